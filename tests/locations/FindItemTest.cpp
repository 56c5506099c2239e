// The place rows: the search box (folding, Turkish I kept apart, "city, country", the exact pass
// before the prefix pass, wildcards, the rows it may never reach), the sort, the container
// and the list source.
#include "locations/FindItem.h"
#include "KonumTestAraclari.h"
#include "locations/Desen.h"
#include "locations/KonumListesi.h"
#include "locations/LLCase.h"
#include "locations/clsSort.h"
#include "support/QtYazdir.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

class FindItemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Doldur(liste, {{"Almanya", "Vanburg"},       // 1
                       {"Türkmenistan", "Vanak"},    // 2
                       {"Türkiye", "Van"},           // 3
                       {"Türkiye", "Isparta"},       // 4
                       {"Türkiye", "İstanbul"},      // 5
                       {"Türkiye", "Kars"},          // 6
                       {"Türkiye", "Kayseri"},       // 7
                       {"Türkiye", " Boşluklu "},    // 8
                       {"Yunanistan", "İstanbul"}}); // 9
    }
    clsFastCollection liste;
};

TEST_F(FindItemTest, SearchBoxFindsTheRowAUserMeans)
{
    const std::pair<const char*, int> durumlar[] = {
        {"İSTANBUL", 5},
        {"ısparta", 4},
        {"ISPARTA", 4},
        {"Ispart", 4},
        {"isparta", 4}, // "I" folds to "ı": found only by the plainer folding
        {"  istanbul ,   TÜRKİYE  ", 5},
        {"istanbul,yunanistan", 9},
        {"istanbul,türkiye,yunanistan", 5}, // a third piece is ignored
        {"istanbul,", 5},
        {",yunan", 9}, // an empty side matches anything as a prefix
        {"istanbul,almanya", 0},
        {"van", 3},      // exact, although rows 1 and 2 begin with van
        {"va", 1},       // prefix: the first row in list order
        {"van,türk", 2}, // both sides must match: not row 1 (Almanya)
        {"k*y", 7},
        {"k?rs", 6},
        {"", 1},
        {"   ", 1},
        {"ist[an", 0},
        {"[z-a]", 0},
        {"Boşluklu", 0}, // the box trims its text, a stored name keeps its spaces
    };
    for (const auto& [metin, satir] : durumlar)
        EXPECT_EQ(AramaKutusuBul(liste, QString::fromUtf8(metin)), satir) << metin;
    EXPECT_EQ(AramaKutusuBul(clsFastCollection(), QString()), 0);

    // Renamed rows are found by their new names.
    liste.Item(6)->setSehir(QStringLiteral("IĞDIR"));
    liste.Item(2)->setUlke(QStringLiteral("Almanya"));
    EXPECT_EQ(AramaKutusuBul(liste, QStringLiteral("ığdır")), 6);
    EXPECT_EQ(AramaKutusuBul(liste, QStringLiteral("van,türk")), 3);
}

TEST_F(FindItemTest, AllMatchesInListOrderAndTheTurkishFoldingFirst)
{
    EXPECT_EQ(AramaKutusuHepsi(liste, QStringLiteral(" va")), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(AramaKutusuHepsi(liste, QStringLiteral("istanbul")), (std::vector<int>{5, 9}));
    EXPECT_EQ(AramaKutusuHepsi(liste, QStringLiteral("Is")), (std::vector<int>{4}));
    EXPECT_EQ(AramaKutusuHepsi(liste, QStringLiteral("is")), (std::vector<int>{5, 9}));
    EXPECT_EQ(AramaKutusuHepsi(liste, QStringLiteral("ispar")), (std::vector<int>{4}));
    // A place added under the name it shares with an international one is not taken for it,
    // and the check of an add compares stored names only.
    Doldur(liste, {{"Avusturya", "Vienna"}, {"Avusturya", "Viyana"}});
    EXPECT_EQ(AramaKutusuHepsi(liste, QStringLiteral("vienna")), (std::vector<int>{10, 11}));
    EXPECT_EQ(FindItem(liste, QStringLiteral("vienna"), QStringLiteral("Sehir"), false), 10);
}

// The plainer folding: ı, İ, I to i, Turkish and other marks off, one character for one.
TEST(SadeKatla, FoldsWhatAKeyboardWithoutTurkishLettersTypes)
{
    EXPECT_EQ(
        SadeKatla(QStringLiteral("ISPARTA İzmir Çanakkale Şanlıurfa Ğ ö Ü Köln Orléans "
                                 "Ñandú ǖ ß ø 1-2")),
        QStringLiteral("isparta izmir canakkale sanliurfa g o u koln orleans nandu u ß ø 1-2"));
}

// The search's patterns: "?", "#", "*" with backtracking, lists and ranges in code-unit
// order; a malformed pattern matches nothing. And the folding both sides go through.

TEST(Desen, PatternsMatchAsTheSearchBoxNeeds)
{
    const struct
    {
        const char* Kalip;
        const char* Metin;
        bool Uyar;
    } durumlar[] = {
        {"v?n", "van", true},    {"v?n", "vn", false},      {"a#b", "a7b", true},
        {"a#b", "axb", false},   {"#", "٣", false},         {"abc", "abcd", false},
        {"*", "", true},         {"k*y*", "kayseri", true}, {"k*y*", "kars", false},
        {"a*bc", "abcbc", true}, {"a*bc", "abcb", false},   {"**a", "ba", true},
        {"[a-c]x", "bx", true},  {"[!a-c]x", "ax", false},  {"[a-z]", "ç", false},
        {"[çşı]", "ı", true},    {"[-a]", "-", true},       {"[a-]", "-", true},
        {"[*?#]", "?", true},    {"[*?#]", "x", false},     {"[]", "a", false},
        {"[!]", "a", true},      {"a]", "a]", true},        {"ist[an*", "istanbul", false},
        {"[z-a]*", "b", false},  {"*[a-", "a", false},      {"[!", "", false}};
    for (const auto& d : durumlar)
        EXPECT_EQ(Desen(QString::fromUtf8(d.Kalip)).Eslesir(QString::fromUtf8(d.Metin)), d.Uyar)
            << d.Kalip << " ~ " << d.Metin;
    EXPECT_FALSE(Desen(QStringLiteral("[z-a]")).Gecerli());
}

// Capital I folds to dotless ı and İ to i, whatever the user's language.
TEST(LLCase, FoldsTheTurkishWayInEveryLanguage)
{
    for (const char* dil : {"en_US", "tr_TR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(dil)));
        EXPECT_EQ(LLCase(QStringLiteral("ISPARTA İZMİR ÇĞÖŞÜ ıi Zürich")),
                  QStringLiteral("ısparta izmir çğöşü ıi zürich"))
            << dil;
    }
    QLocale::setDefault(QLocale::c());
}

// The list's sort: ordinal order of code units, the (unstable) quicksort with the middle
// row's pivot, and no sort at all where every row shares the key.

QString Ulkeler(const clsFastCollection& c)
{
    QStringList s;
    for (int i = 1; i <= c.Count(); ++i)
        s << c.Item(i)->Ulke();
    return s.join(u' ');
}

TEST(clsSort, OrdersAndWhenItLeavesTheOrderAlone)
{
    clsFastCollection c;
    Doldur(c, {{"Zambiya", ""},
               {"ábc", ""},
               {"İran", ""},
               {"almanya", ""},
               {"Almanya", ""},
               {"Çin", ""},
               {"Alman", ""}});
    clsSort s;
    EXPECT_TRUE(s.SortList(c, true, clsSort::UlkeAlani));
    EXPECT_EQ(Ulkeler(c), "Alman Almanya Zambiya almanya Çin ábc İran");
    EXPECT_TRUE(s.SortItems(c, 1, clsSort::UlkeAlani)); // kind 1: descending
    EXPECT_EQ(Ulkeler(c), "İran ábc Çin almanya Zambiya Almanya Alman");
    EXPECT_FALSE(s.SortItems(c, 2, clsSort::UlkeAlani)); // kind 2: no sort
    EXPECT_FALSE(s.SortList(c, true, 7));                // no such field

    // Pivot "A": the first swap puts A first, the second swaps the two equal keys.
    clsFastCollection esit;
    Doldur(esit, {{"B", "1"}, {"A", ""}, {"B", "2"}});
    s.SortList(esit, true, clsSort::UlkeAlani);
    EXPECT_EQ(Idler(esit), (std::vector<int>{2, 3, 1}));

    // One key everywhere: a descending sort would reverse the rows; it must not run.
    clsFastCollection ayni;
    Doldur(ayni, {{"X", "1"}, {"X", "2"}, {"X", "3"}});
    EXPECT_FALSE(s.SortList(ayni, false, clsSort::UlkeAlani));
    EXPECT_EQ(Idler(ayni), (std::vector<int>{1, 2, 3}));

    // Numbers are one key when they print alike: 0.1 + 0.2 and 0.3 do.
    clsFastCollection sayilar;
    Doldur(sayilar, {{"a", ""}, {"b", ""}, {"c", ""}});
    const double tz[] = {0.1 + 0.2, 0.3, 0.3};
    for (int i = 1; i <= 3; ++i)
        sayilar.Item(i)->setEnlem(tz[i - 1]);
    EXPECT_FALSE(s.SortList(sayilar, true, clsSort::EnlemAlani));
    sayilar.Item(2)->setEnlem(-3.5);
    sayilar.Item(3)->setEnlem(1);
    EXPECT_TRUE(s.SortList(sayilar, true, clsSort::EnlemAlani));
    EXPECT_EQ(Ulkeler(sayilar), "b a c");
}

// The rows' container: positions to insert at (0, -1 and past the end append), positions
// outside the rows that give nothing, growth while inserting at the front, and a new order.

std::unique_ptr<vkListItem> Satir(int id)
{
    auto s = std::make_unique<vkListItem>();
    s->setId(id);
    return s;
}

TEST(clsFastCollection, PositionsInsertAndGrow)
{
    clsFastCollection c;
    EXPECT_EQ(c.Item(1), nullptr);
    c.Add(Satir(1));
    c.Add(Satir(2), -1);
    c.Add(Satir(3), 0);
    EXPECT_EQ(c.Add(Satir(9), 1), 1);
    EXPECT_EQ(c.Add(Satir(8), 4), 4); // before the last row
    EXPECT_EQ(c.Add(Satir(6), 99), 6);
    EXPECT_EQ(Idler(c), (std::vector<int>{9, 1, 2, 8, 3, 6}));
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(7), nullptr);

    for (int i = 10; i < 1010; ++i)
        c.Add(Satir(i), 1);
    EXPECT_EQ(c.Count(), 1006);
    EXPECT_EQ(c.Item(1)->Id(), 1009);
    EXPECT_EQ(c.Item(1006)->Id(), 6);
    // A new order; rows left out are released.
    c.Yerlestir({1006, 2, 1, 2000});
    EXPECT_EQ(Idler(c), (std::vector<int>{6, 1008, 1009}));
}

// The place list as the list control's source: the stored place found by Id, the texts it
// draws, and the orders it applies.

SeciliKonum Yer(qint16 id, const char* ulke, const char* sehir)
{
    SeciliKonum y;
    y.Index = id;
    y.Ulke = QString::fromUtf8(ulke);
    y.Sehir = QString::fromUtf8(sehir);
    return y;
}

// The stored choice is a row's Id: a line the reader skipped (Id 3 missing) or Ids that
// repeat (the country and city decide, else the first) do not move it onto another place.
TEST(KonumListesi, StoredChoiceFindsItsRowById)
{
    clsFastCollection okunan;
    Doldur(okunan, {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}});
    const int idler[] = {1, 2, 4, 5, 2};
    for (int i = 0; i < 5; ++i)
        okunan.Item(i + 1)->setId(idler[i]);
    const std::pair<SeciliKonum, int> durumlar[] = {{Yer(4, "C", "c"), 3},
                                                    {Yer(0, "A", "a"), 0},
                                                    {Yer(2, "E", "e"), 5},
                                                    {Yer(2, "X", "x"), 2},
                                                    {Yer(9, "A", "a"), 0}};
    for (const auto& [yer, satir] : durumlar)
        EXPECT_EQ(KonumListesi::SatirBul(okunan, yer), satir) << yer.Index;
}

// What the list draws (numbers in the user's format), and the rows rearranged as the list
// control asks.
TEST(KonumListesi, ColumnsAndOrders)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    clsFastCollection okunan;
    Doldur(okunan, {{"Türkiye", "Van"}, {"Nepal", "Pokhara"}, {"Almanya", "Köln"}});
    okunan.Item(2)->setTz(5.75);
    okunan.Item(2)->setEnlem(-28.2);
    KonumListesi liste;
    liste.Doldur(okunan);
    QStringList sutunlar;
    for (int s = 0; s < 4; ++s)
        sutunlar << liste.Sutun(2, s);
    EXPECT_EQ(sutunlar, (QStringList{"Nepal", "Pokhara", "5,75", "-28,2"}));
    liste.SiraUygula({3, 1}); // row 2 removed, the last first
    ASSERT_EQ(liste.Count(), 2);
    EXPECT_EQ(liste.Item(1)->Sehir(), QStringLiteral("Köln"));
    EXPECT_EQ(liste.Item(2)->Index(), 2);
    QLocale::setDefault(QLocale::c());
}

} // namespace
