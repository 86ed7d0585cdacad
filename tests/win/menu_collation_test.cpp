// The menu compares names through sort keys: hash lookups need key equality to be exactly the
// locale comparison's equality, and sorting needs the keys' byte order to be its order.
#include "platform/name_collation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

TEST(MenuCollationWin, SortKeysAgreeWithCompareStringOnEqualityAndOrder) {
    const std::vector<std::wstring> names = {
        L"",           L"a",          L"A",           L"ab",         L"Ab",          L"aB",
        L"Notepad",    L"notepad",    L"NOTEPAD",     L"Notepad.lnk", L"notepad.LNK",
        L"resume",     L"Resume",     L"r\u00e9sum\u00e9", L"R\u00c9SUM\u00c9", L"re\u0301sume\u0301",
        L"co-op",      L"coop",       L"co op",       L"co_op",      L"co.op",       L"co'op",
        L"stra\u00dfe", L"strasse",   L"STRASSE",     L"\u00c6r\u00f8", L"aer\u00f8",  L"\u00e6r\u00f8",
        L"\u01c5",     L"d\u017e",    L"D\u017d",     L"i",          L"I",           L"\u0130",  L"\u0131",
        L"file 9",     L"file 10",    L"file10",      L"a\u00a0b",   L"a b",         L"\u0391\u03b2",
        L"\u03b1\u0392", L"\u0416",   L"\u0436",      L"Programs\\Accessories", L"programs\\accessories",
        L"Programs\\Accessories\\Notepad.lnk"};
    platform::TUserLocaleCollation collation;
    for (const std::wstring& a : names) {
        for (const std::wstring& b : names) {
            const int compared = collation.Compare(a, b);
            const int keyed = Sign(collation.SortKey(a).compare(collation.SortKey(b)));
            EXPECT_EQ(compared == 0, keyed == 0) << "equality of \"" << testing::PrintToString(a) << "\" and "
                                                 << testing::PrintToString(b);
            EXPECT_EQ(Sign(compared), keyed) << "order of " << testing::PrintToString(a) << " and "
                                             << testing::PrintToString(b);
        }
    }
}
