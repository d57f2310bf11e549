#include "support/RelativeNames.h"

#include <gtest/gtest.h>

#include "support/Conversions.h"

TEST(RelativeNames, OnlyPathsThatStayBelowTheFolderAreAcceptedAndOnlyPlainNamesAsFileNames) {
  for (const char16_t* path : {u"Help\\en\\x.chm", u"Help/a b.htm", u"a.b..c", u"...x", u"COM10", u"CONSOLE"})
    EXPECT_TRUE(plqr::IsContainedRelativePath(path)) << plqr::Utf16ToUtf8(path);
  for (const char16_t* path :
       {u"", u"..\\x", u"a/../b", u".. \\x", u"a\\.", u"\\x", u"/x", u"\\\\?\\C:\\x", u"//./pipe/x", u"C:x",
        u"a:s", u"a\\\\b", u"a/", u"a?", u"a\tb", u"NUL.txt", u"lpt1"})
    EXPECT_FALSE(plqr::IsContainedRelativePath(path)) << plqr::Utf16ToUtf8(path);
  EXPECT_TRUE(plqr::IsPlainFileName(u"PLQRDVXSRES.DLL"));
  for (const char16_t* name : {u"sub\\x.dll", u"sub/x.dll", u"x..dll"})
    EXPECT_FALSE(plqr::IsPlainFileName(name)) << plqr::Utf16ToUtf8(name);
}
