#include "core/CommonTabs.h"

namespace {
CCommonTabs* g_pCommonTabs = nullptr;
}

CCommonTabs::CCommonTabs() {
  g_pCommonTabs = this;
}

CCommonTabs::~CCommonTabs() {
  if (g_pCommonTabs == this) g_pCommonTabs = nullptr;
}

CCommonTabs* CCommonTabs::Instance() {
  return g_pCommonTabs;
}
