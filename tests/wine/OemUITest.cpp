// The COM surface of PLQRDVXSUI.DLL as the core driver uses it: LoadLibrary,
// DllGetClassObject, the factory, and calls through the IPrintOemUI2 vtable.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "FakeDriverUI.h"
#include "PrintOem.h"
#include "WineTestSupport.h"
#include "core/ClassIds.h"
#include "core/DcHandOver.h"
#include "core/PluginIdentity.h"
#include "core/PrivateDevmode.h"

namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

class OemUITest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dll) << "PLQRDVXSUI.DLL did not load, error " << GetLastError();
    m_getClassObject = m_dll.Proc<GetClassObjectFn>("DllGetClassObject");
    m_canUnloadNow = m_dll.Proc<CanUnloadNowFn>("DllCanUnloadNow");
    ASSERT_NE(nullptr, m_getClassObject);
    ASSERT_NE(nullptr, m_canUnloadNow);
  }

  // The driver-interface object, created the way the core driver creates it.
  IPrintOemUI2* CreateOemUI(REFCLSID clsid = CLSID_OEMUI) {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(S_OK, m_getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    if (factory == nullptr) return nullptr;
    IPrintOemUI2* ui = nullptr;
    EXPECT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(&ui)));
    factory->Release();
    return ui;
  }

  plqr::test::LoadedModule m_dll{L"PLQRDVXSUI.DLL"};
  GetClassObjectFn m_getClassObject = nullptr;
  CanUnloadNowFn m_canUnloadNow = nullptr;
};

TEST_F(OemUITest, FactoryAnswersBothClassIdsAndNothingElse) {
  EXPECT_EQ(E_POINTER, m_getClassObject(CLSID_OEMUI, IID_IClassFactory, nullptr));

  void* out = reinterpret_cast<void*>(0x1234);
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, m_getClassObject(IID_IUnknown, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);

  for (const CLSID* clsid : {&CLSID_OEMUI, &plqr::CLSID_PLQRDVXSUI}) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, m_getClassObject(*clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    ASSERT_NE(nullptr, factory);

    // A factory asked for an interface it lacks is not kept alive.
    out = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(E_NOINTERFACE, factory->QueryInterface(IID_IPrintOemUI2, &out));
    EXPECT_EQ(nullptr, out);

    out = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(CLASS_E_NOAGGREGATION,
              factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IPrintOemUI2, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IPrintOemUI2, nullptr));

    IUnknown* unknown = nullptr;
    EXPECT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    ASSERT_NE(nullptr, unknown);
    EXPECT_EQ(0u, unknown->Release()) << "the caller's reference must be the only one";
    // A locked server stays loaded without objects or factories.
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_FALSE, m_canUnloadNow());
    ASSERT_EQ(S_OK, m_getClassObject(*clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    factory->Release();
  }
  EXPECT_EQ(S_OK, m_canUnloadNow());
}

TEST_F(OemUITest, GetInfoChecksModeAndBuffer) {
  IPrintOemUI2* ui = CreateOemUI();
  ASSERT_NE(nullptr, ui);
  DWORD needed = 0;
  DWORD value = 0;

  const DWORD expected[][2] = {{OEMGI_GETSIGNATURE, 0x5A4C564E},
                               {OEMGI_GETVERSION, 1},
                               {OEMGI_GETREQUESTEDHELPERINTERFACES, OEMPUBLISH_IPRINTCOREHELPER}};
  for (const auto& row : expected) {
    value = 0xDEADBEEF;
    EXPECT_EQ(S_OK, ui->GetInfo(row[0], &value, sizeof(value), &needed)) << "mode " << row[0];
    EXPECT_EQ(row[1], value) << "mode " << row[0];
    EXPECT_EQ(4u, needed);
  }

  // A 3-byte buffer: the size needed is reported, nothing is written.
  unsigned char small[4] = {0xAA, 0xAA, 0xAA, 0xAA};
  needed = 0;
  SetLastError(0);
  EXPECT_EQ(E_FAIL, ui->GetInfo(OEMGI_GETSIGNATURE, small, 3, &needed));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(4u, needed);
  for (unsigned char byte : small) EXPECT_EQ(0xAA, byte);

  needed = 77;
  SetLastError(0);
  EXPECT_EQ(E_FAIL, ui->GetInfo(OEMGI_GETPUBLISHERINFO, &value, sizeof(value), &needed)) << "not answered";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(77u, needed);
  SetLastError(0);
  EXPECT_EQ(E_FAIL, ui->GetInfo(OEMGI_GETSIGNATURE, &value, sizeof(value), nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  ui->Release();
}

// The records the core driver allocates: exactly as large as the plug-in asked.
struct DevmodeBuffers {
  DEVMODEW publicIn = {};
  DEVMODEW publicOut = {};
  std::vector<BYTE> in = std::vector<BYTE>(plqr::kPrivateDevmodeSize, 0);
  std::vector<BYTE> out = std::vector<BYTE>(plqr::kPrivateDevmodeSize, 0);
  OEMDMPARAM param = {};

  DevmodeBuffers() {
    publicIn.dmSize = publicOut.dmSize = sizeof(DEVMODEW);
    publicIn.dmDriverExtra = plqr::kPrivateDevmodeSize;  // the private block lies in that area
    publicIn.dmPaperSize = DMPAPER_LETTER;
    publicIn.dmFields = DM_PAPERSIZE | DM_FORMNAME;
    wcscpy(publicIn.dmFormName, L"Letter");
    param.cbSize = sizeof(param);
    param.pPublicDMIn = &publicIn;
    param.pPublicDMOut = &publicOut;
    param.pOEMDMIn = in.data();
    param.pOEMDMOut = out.data();
    param.cbBufSize = plqr::kPrivateDevmodeSize;
  }
  const plqr::OemDmExtraHeader& OutHeader() const {
    return *reinterpret_cast<const plqr::OemDmExtraHeader*>(out.data());
  }
};

TEST_F(OemUITest, DevModeSizesDefaultsConvertsAndChecksItsArguments) {
  IPrintOemUI2* ui = CreateOemUI();
  ASSERT_NE(nullptr, ui);
  DevmodeBuffers dm;

  dm.param.cbBufSize = 0;
  EXPECT_EQ(S_OK, ui->DevMode(OEMDM_SIZE, &dm.param));
  EXPECT_EQ(5240u, dm.param.cbBufSize);

  EXPECT_EQ(S_OK, ui->DevMode(OEMDM_DEFAULT, &dm.param));
  EXPECT_EQ(5240u, dm.OutHeader().dwSize);
  EXPECT_EQ(0x5A4C564Eu, dm.OutHeader().dwSignature);
  EXPECT_EQ(1u, dm.OutHeader().dwVersion);

  // Convert: a record of this plug-in with a changed setting travels over.
  ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(dm.in.data(), dm.in.size()));
  plqr::VendorDevmodeOf(dm.in.data())->wPagesPerSheet = 4;
  EXPECT_EQ(S_OK, ui->DevMode(OEMDM_CONVERT, &dm.param));
  EXPECT_EQ(4, plqr::VendorDevmodeOf(dm.out.data())->wPagesPerSheet);

  // Bad arguments: last error, E_FAIL, nothing written.
  const std::vector<BYTE> before = dm.out;
  SetLastError(0);
  EXPECT_EQ(E_FAIL, ui->DevMode(5, &dm.param));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  SetLastError(0);
  EXPECT_EQ(E_FAIL, ui->DevMode(OEMDM_DEFAULT, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(before, dm.out);

  ui->Release();
}

// Ten thousand merges through the DLL with inputs that end where the
// committed memory ends: short blocks, foreign blocks, blocks that claim
// more than the caller handed, missing bodies. A read past what the public
// device mode vouches for, or a write past the output, faults at once.
TEST_F(OemUITest, MergesReadNoFurtherThanTheCallerHanded) {
  IPrintOemUI2* ui = CreateOemUI();
  ASSERT_NE(nullptr, ui);
  SYSTEM_INFO system = {};
  GetSystemInfo(&system);
  const size_t span = 2 * system.dwPageSize;  // room for a whole record, then a span no one may touch
  BYTE* memory =
      static_cast<BYTE*>(VirtualAlloc(nullptr, 4 * span, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(nullptr, memory);
  DWORD old = 0;
  ASSERT_TRUE(VirtualProtect(memory + span, span, PAGE_NOACCESS, &old));
  ASSERT_TRUE(VirtualProtect(memory + 3 * span, span, PAGE_NOACCESS, &old));
  BYTE* out = memory + 3 * span - plqr::kPrivateDevmodeSize;
  DevmodeBuffers dm;
  std::mt19937 rng(99);
  for (int round = 0; round < 10000; ++round) {
    const size_t size = rng() % 3 == 0 ? rng() % 100 : rng() % (plqr::kPrivateDevmodeSize + 1);
    BYTE* in = memory + span - size;
    for (size_t i = 0; i < size; ++i) in[i] = static_cast<BYTE>(rng());
    const uint32_t claims[] = {0, 11, 12, 5240, 0xFFFFFFFFu, static_cast<uint32_t>(size)};
    const uint32_t signatures[] = {0x5A4C564E, 0x12345678};
    const uint32_t claim = claims[rng() % 6];
    const uint32_t signature = signatures[rng() % 2];
    if (size >= 4) memcpy(in, &claim, 4);
    if (size >= 8) memcpy(in + 4, &signature, 4);
    const std::vector<BYTE> before(in, in + size);
    dm.publicIn.dmDriverExtra = static_cast<WORD>(size);
    dm.param.pOEMDMIn = rng() % 50 == 0 ? nullptr : in;
    dm.param.pOEMDMOut = out;
    ASSERT_EQ(S_OK, ui->DevMode(OEMDM_MERGE, &dm.param)) << "round " << round;
    ASSERT_EQ(plqr::kPrivateDevmodeSize, reinterpret_cast<const plqr::OemDmExtraHeader*>(out)->dwSize);
    ASSERT_NE(0, plqr::VendorDevmodeOf(out)->szAppModuleName[0]) << "the output always takes the name";
    // Only a record of ours that holds the name field takes the name.
    if (size < 78 || claim < 78 || signature != 0x5A4C564E) {
      ASSERT_TRUE(std::equal(before.begin(), before.end(), in)) << "input written, round " << round;
    }
  }
  VirtualFree(memory, 0, MEM_RELEASE);
  ui->Release();
}

// The A4 rule depends on the system's country: registered to run once in
// Argentina (see CMakeLists.txt), which takes A4; PLQR_EXPECT_COUNTRY says so.
TEST_F(OemUITest, DefaultPublicPaperFollowsTheCountry) {
  wchar_t expectedText[8] = {};
  if (GetEnvironmentVariableW(L"PLQR_EXPECT_COUNTRY", expectedText, 8) == 0) {
    GTEST_SKIP() << "runs under a locale chosen by the test registration";
  }
  wchar_t country[7] = {};
  ASSERT_NE(0, GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_ICOUNTRY, country, 7));
  ASSERT_STREQ(expectedText, country) << "the locale of this run is not the one it was registered for";

  IPrintOemUI2* ui = CreateOemUI();
  ASSERT_NE(nullptr, ui);
  DevmodeBuffers dm;
  EXPECT_EQ(S_OK, ui->DevMode(OEMDM_DEFAULT, &dm.param));
  EXPECT_EQ(DMPAPER_A4, dm.publicIn.dmPaperSize);
  EXPECT_STREQ(L"A4", dm.publicIn.dmFormName);
  EXPECT_EQ(static_cast<DWORD>(DM_PAPERSIZE),
            dm.publicIn.dmFields & (DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH | DM_FORMNAME));
  ui->Release();
}

TEST_F(OemUITest, ObjectAnswersUnknownAndUi2OnlyAndKeepsTheFirstHelper) {
  IPrintOemUI2* ui = CreateOemUI();
  ASSERT_NE(nullptr, ui);
  void* out = reinterpret_cast<void*>(0x1234);
  EXPECT_EQ(E_NOINTERFACE, ui->QueryInterface(IID_IPrintOemUI, &out));
  IUnknown* unknown = nullptr;
  ASSERT_EQ(S_OK, ui->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
  EXPECT_EQ(1u, unknown->Release());
  EXPECT_EQ(S_FALSE, m_canUnloadNow()) << "an object is alive";

  plqr::test::FakeDriverUI refuses(false);
  EXPECT_EQ(E_FAIL, ui->PublishDriverInterface(&refuses));

  plqr::test::FakeDriverUI first;
  plqr::test::FakeDriverUI later;
  EXPECT_EQ(S_OK, ui->PublishDriverInterface(&first));
  EXPECT_EQ(2u, first.refs);
  EXPECT_EQ(S_OK, ui->PublishDriverInterface(&later));
  EXPECT_EQ(1u, later.refs) << "a later helper must not be kept";
  EXPECT_EQ(0u, ui->Release());
  EXPECT_EQ(1u, first.refs) << "the helper is released with the object";
  EXPECT_EQ(S_OK, m_canUnloadNow());
}

TEST_F(OemUITest, DocumentEventFilterAndResults) {
  IPrintOemUI2* ui = CreateOemUI();
  ASSERT_NE(nullptr, ui);
  int result = 42;
  EXPECT_EQ(S_OK,
            ui->DocumentEvent(nullptr, nullptr, DOCUMENTEVENT_CREATEDCPRE, 0, nullptr, 0, nullptr, &result));
  EXPECT_EQ(DOCUMENTEVENT_SUCCESS, result);

  // Room for three: the four needed are reported.
  BYTE buffer[offsetof(DOCEVENT_FILTER, aDocEventCall) + 4 * sizeof(DWORD)] = {};
  auto* filter = reinterpret_cast<DOCEVENT_FILTER*>(buffer);
  filter->cbSize = sizeof(buffer);
  filter->cElementsAllocated = 3;
  int dummyIn = 0;
  result = 42;
  EXPECT_EQ(S_OK, ui->DocumentEvent(nullptr, nullptr, DOCUMENTEVENT_QUERYFILTER, sizeof(dummyIn), &dummyIn,
                                    sizeof(buffer), filter, &result));
  EXPECT_EQ(DOCUMENTEVENT_SUCCESS, result);
  EXPECT_EQ(4u, filter->cElementsNeeded);
  EXPECT_EQ(0u, filter->cElementsReturned);

  filter->cElementsAllocated = 4;
  EXPECT_EQ(S_OK, ui->DocumentEvent(nullptr, nullptr, DOCUMENTEVENT_QUERYFILTER, sizeof(dummyIn), &dummyIn,
                                    sizeof(buffer), filter, &result));
  ASSERT_EQ(4u, filter->cElementsReturned);
  const DWORD* calls = reinterpret_cast<const DWORD*>(buffer + offsetof(DOCEVENT_FILTER, aDocEventCall));
  EXPECT_EQ((std::vector<DWORD>{DOCUMENTEVENT_STARTDOC, DOCUMENTEVENT_STARTDOCPOST, DOCUMENTEVENT_STARTPAGE,
                                DOCUMENTEVENT_ENDPAGE}),
            std::vector<DWORD>(calls, calls + 4));

  // A filter claiming more room than its buffer has is not overrun.
  BYTE shortBuffer[offsetof(DOCEVENT_FILTER, aDocEventCall) + 2 * sizeof(DWORD) + 4] = {};
  auto* lying = reinterpret_cast<DOCEVENT_FILTER*>(shortBuffer);
  lying->cElementsAllocated = 100;
  EXPECT_EQ(S_OK, ui->DocumentEvent(nullptr, nullptr, DOCUMENTEVENT_QUERYFILTER, sizeof(dummyIn), &dummyIn,
                                    sizeof(shortBuffer) - 4, lying, &result));
  EXPECT_EQ(4u, lying->cElementsNeeded);
  EXPECT_EQ(0u, lying->cElementsReturned);

  result = 42;
  EXPECT_EQ(S_OK, ui->DocumentEvent(nullptr, nullptr, DOCUMENTEVENT_QUERYFILTER, 0, nullptr, sizeof(buffer),
                                    filter, &result));
  EXPECT_EQ(DOCUMENTEVENT_FAILURE, result);

  // With a real device context and no rendering plug-in to answer the
  // escape, nothing is handed over and the events still succeed.
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(nullptr, dc);
  result = 42;
  EXPECT_EQ(S_OK, ui->DocumentEvent(nullptr, dc, DOCUMENTEVENT_STARTPAGE, 0, nullptr, 0, nullptr, &result));
  EXPECT_EQ(DOCUMENTEVENT_SUCCESS, result);
  DeleteDC(dc);
  ui->Release();
}

// The rendering side of the escape, played by the test: it answers with the
// address of its slot (or zero) and checks the request's shape.
HDC g_rendererSlot = nullptr;
bool g_answerWithSlot = true;

int WINAPI FakeRendererEscape(HDC, int escape, int cbIn, LPCSTR in, int cbOut, LPSTR out) {
  if (escape != plqr::kEscapeRendererDcSlot || cbIn != 0 || in != nullptr || cbOut != 8 || out == nullptr) {
    return -1;
  }
  for (int i = 0; i < 8; ++i) {
    if (out[i] != 0) return -1;  // the buffer must arrive zeroed
  }
  if (g_answerWithSlot) {
    HDC* slot = &g_rendererSlot;
    std::memcpy(out, &slot, sizeof(slot));
  }
  return 1;
}

TEST(DcHandOver, StoresTheDcWhereTheRendererSays) {
  HDC dc = reinterpret_cast<HDC>(static_cast<uintptr_t>(0xABCD1234));
  g_rendererSlot = nullptr;
  g_answerWithSlot = true;
  plqr::HandDeviceContextToRenderer(dc, FakeRendererEscape);
  EXPECT_EQ(dc, g_rendererSlot);

  g_rendererSlot = nullptr;
  g_answerWithSlot = false;
  plqr::HandDeviceContextToRenderer(dc, FakeRendererEscape);
  EXPECT_EQ(nullptr, g_rendererSlot) << "a zero answer must write nothing";
}

}  // namespace
