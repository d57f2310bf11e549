#include "core/PluginIdentity.h"

#include <gtest/gtest.h>

TEST(PluginIdentity, SignatureIsFourCharacterCode) {
  EXPECT_EQ(0x5A4C564Eu, plqr::kOemSignature);
  EXPECT_EQ(plqr::MakeFourCC('A', 'B', 'C', 'D'), 0x41424344u);
  EXPECT_EQ(1u, plqr::kOemVersion);
}
