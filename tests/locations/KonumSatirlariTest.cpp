// The place rows: the search box (folding, Turkish I kept apart, "city, country", the exact pass
// before the prefix pass, wildcards, the rows it may never reach), the sort, the stored choice,
// and the rows as the list's model.
#include "locations/KonumSatirlari.h"
#include "KonumTestAraclari.h"
#include "controls/ListeRolleri.h"
#include "locations/Desen.h"
#include "locations/KonumModeli.h"
#include "locations/LLCase.h"
#include "locations/SeciliKonum.h"
#include "support/QtYazdir.h"

#include <QItemSelectionModel>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

class KonumSatirlariTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Doldur(liste, {{"Almanya", "Vanburg"},       // 0
                       {"Türkmenistan", "Vanak"},    // 1
                       {"Türkiye", "Van"},           // 2
                       {"Türkiye", "Isparta"},       // 3
                       {"Türkiye", "İstanbul"},      // 4
                       {"Türkiye", "Kars"},          // 5
                       {"Türkiye", "Kayseri"},       // 6
                       {"Türkiye", " Boşluklu "},    // 7
                       {"Yunanistan", "İstanbul"}}); // 8
    }
    KonumSatirlari liste;
};

TEST_F(KonumSatirlariTest, SearchBoxFindsTheRowAUserMeans)
{
    const std::pair<const char*, int> durumlar[] = {
        {"İSTANBUL", 4},
        {"ısparta", 3},
        {"ISPARTA", 3},
        {"Ispart", 3},
        {"isparta", 3}, // "I" folds to "ı": found only by the plainer folding
        {"  istanbul ,   TÜRKİYE  ", 4},
        {"istanbul,yunanistan", 8},
        {"istanbul,türkiye,yunanistan", 4}, // a third piece is ignored
        {"istanbul,", 4},
        {",yunan", 8}, // an empty side matches anything as a prefix
        {"istanbul,almanya", -1},
        {"van", 2},      // exact, although rows 0 and 1 begin with van
        {"va", 0},       // prefix: the first row in list order
        {"van,türk", 1}, // both sides must match: not row 0 (Almanya)
        {"k*y", 6},
        {"k?rs", 5},
        {"", 0},
        {"   ", 0},
        {"ist[an", -1},
        {"[z-a]", -1},
        {"Boşluklu", -1}, // the box trims its text, a stored name keeps its spaces
    };
    for (const auto& [metin, satir] : durumlar)
        EXPECT_EQ(liste.AramaKutusuBul(QString::fromUtf8(metin)), satir) << metin;
    EXPECT_EQ(KonumSatirlari().AramaKutusuBul(QString()), -1);

    // A row added after a search is found too (the folded names follow the rows).
    Doldur(liste, {{"Türkiye", "IĞDIR"}});
    EXPECT_EQ(liste.AramaKutusuBul("ığdır"), 9);
}

TEST_F(KonumSatirlariTest, AllMatchesInListOrderAndTheTurkishFoldingFirst)
{
    EXPECT_EQ(liste.AramaKutusuHepsi(" va"), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(liste.AramaKutusuHepsi("istanbul"), (std::vector<int>{4, 8}));
    EXPECT_EQ(liste.AramaKutusuHepsi("Is"), (std::vector<int>{3}));
    EXPECT_EQ(liste.AramaKutusuHepsi("is"), (std::vector<int>{4, 8}));
    EXPECT_EQ(liste.AramaKutusuHepsi("ispar"), (std::vector<int>{3}));
    // A place added under the name it shares with an international one is not taken for it,
    // and the check of an add compares stored names only.
    Doldur(liste, {{"Avusturya", "Vienna"}, {"Avusturya", "Viyana"}});
    EXPECT_EQ(liste.AramaKutusuHepsi("vienna"), (std::vector<int>{9, 10}));
    EXPECT_EQ(liste.Bul("vienna"), 9);
}

// The plainer folding: ı, İ, I to i, Turkish and other marks off, one character for one.
TEST(SadeKatla, FoldsWhatAKeyboardWithoutTurkishLettersTypes)
{
    EXPECT_EQ(SadeKatla(QStringLiteral("ISPARTA İzmir Çanakkale Şanlıurfa Ğ ö Ü Köln Orléans "
                                       "Ñandú ǖ ß ø 1-2")),
              "isparta izmir canakkale sanliurfa g o u koln orleans nandu u ß ø 1-2");
}

// The search's patterns: "?", "#", "*" with backtracking, lists and ranges in code-unit
// order; a malformed pattern matches nothing. And the folding both sides go through.

TEST(Desen, PatternsMatchAsTheSearchBoxNeeds)
{
    const std::tuple<const char*, const char*, bool> durumlar[] = {
        {"v?n", "van", true},    {"v?n", "vn", false},      {"a#b", "a7b", true},
        {"a#b", "axb", false},   {"#", "٣", false},         {"abc", "abcd", false},
        {"*", "", true},         {"k*y*", "kayseri", true}, {"k*y*", "kars", false},
        {"a*bc", "abcbc", true}, {"a*bc", "abcb", false},   {"**a", "ba", true},
        {"[a-c]x", "bx", true},  {"[!a-c]x", "ax", false},  {"[a-z]", "ç", false},
        {"[çşı]", "ı", true},    {"[-a]", "-", true},       {"[a-]", "-", true},
        {"[*?#]", "?", true},    {"[*?#]", "x", false},     {"[]", "a", false},
        {"[!]", "a", true},      {"a]", "a]", true},        {"ist[an*", "istanbul", false},
        {"[z-a]*", "b", false},  {"*[a-", "a", false},      {"[!", "", false}};
    for (const auto& [kalip, metin, uyar] : durumlar)
        EXPECT_EQ(Desen(kalip).Eslesir(QString(metin)), uyar) << kalip << " ~ " << metin;
    EXPECT_FALSE(Desen("[z-a]").Gecerli());
}

// Capital I folds to dotless ı and İ to i, whatever the user's language.
TEST(LLCase, FoldsTheTurkishWayInEveryLanguage)
{
    for (const char* dil : {"en_US", "tr_TR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(dil)));
        EXPECT_EQ(LLCase("ISPARTA İZMİR ÇĞÖŞÜ ıi Zürich"), "ısparta izmir çğöşü ıi zürich") << dil;
    }
    QLocale::setDefault(QLocale::c());
}

// The list's sort: ordinal order of code units, numbers by value, rows with one key kept in
// their order, and no sort at all where every row shares the key (numbers as printed).

KonumSatirlari Sayilarla(std::initializer_list<double> enlemler)
{
    KonumSatirlari l;
    for (double e : enlemler)
        l.Ekle({l.size() + 1, {}, {}, 0, e, 0});
    return l;
}

// A row moves as a whole, so its Id stands for its country.
TEST(KonumSiralama, OrdersAndWhenItLeavesTheOrderAlone)
{
    using A = KonumSatirlari::Anahtar;
    KonumSatirlari ulkeler;
    Doldur(ulkeler, {{"Zambiya", ""},
                     {"ábc", ""},
                     {"İran", ""},
                     {"almanya", ""},
                     {"Almanya", "1"},
                     {"Çin", ""},
                     {"Almanya", "2"},
                     {"Alman", ""}});
    // The rows, the key, ascending, the Ids after the sort (empty: unchanged, no sort).
    const std::tuple<KonumSatirlari, A, bool, std::vector<int>> durumlar[] = {
        // Alman Almanya Almanya Zambiya almanya Çin ábc İran
        {ulkeler, A::Ulke, true, {8, 5, 7, 1, 4, 6, 2, 3}},
        // İran ábc Çin almanya Zambiya Almanya Almanya Alman
        {ulkeler, A::Ulke, false, {3, 2, 6, 4, 1, 5, 7, 8}},
        // Zambiya ábc İran almanya Çin Alman Almanya Almanya
        {ulkeler, A::Sehir, true, {1, 2, 3, 4, 6, 8, 5, 7}},
        // 0.1 + 0.2 and 0.3 print alike: one key everywhere, nothing moves.
        {Sayilarla({0.1 + 0.2, 0.3, 0.3}), A::Enlem, false, {}},
        {Sayilarla({0.3, -3.5, 1}), A::Enlem, true, {2, 1, 3}},
        {Sayilarla({0.3, -3.5, 1}), A::Enlem, false, {3, 1, 2}},
        {Sayilarla({1}), A::Enlem, true, {}},
    };
    for (auto [satirlar, anahtar, artan, idler] : durumlar) {
        const std::vector<int> once = Idler(satirlar);
        const std::vector<int> sira = satirlar.Sirala(anahtar, artan);
        EXPECT_EQ(Idler(satirlar), idler.empty() ? once : idler);
        EXPECT_EQ(sira.empty(), idler.empty()) << once.size();
    }
}

// The stored choice is a row's Id: a line the reader skipped (Id 3 missing) or Ids that
// repeat (the country and city decide, else the first) do not move it onto another place.
TEST(KonumSatirlari, StoredChoiceFindsItsRowById)
{
    const KonumSatirlari okunan(
        {{1, "A", "a"}, {2, "B", "b"}, {4, "C", "c"}, {5, "D", "d"}, {2, "E", "e"}});
    const std::tuple<qint16, const char*, const char*, int> durumlar[] = {
        {4, "C", "c", 2}, {0, "A", "a", -1}, {2, "E", "e", 4}, {2, "X", "x", 1}, {9, "A", "a", -1}};
    for (const auto& [id, ulke, sehir, satir] : durumlar)
        EXPECT_EQ(okunan.SeciliKonumBul({id, ulke, sehir}), satir) << id;
}

// The rows as the list's model: country, city and the name read aloud; an added row goes last
// and the rows before it stay; after a sort the selection and the current row are still on
// their places, and the order of rows with one key is kept.
TEST(KonumModeli, RowsAddAndSortWithTheSelection)
{
    KonumModeli model;
    KonumSatirlari satirlar;
    Doldur(satirlar, {{"Türkiye", "Van"}, {"Nepal", "Pokhara"}, {"Almanya", "Köln"}});
    model.setSatirlar(satirlar);
    const QModelIndex nepal = model.index(1);
    EXPECT_EQ(nepal.data().toString(), "Nepal");
    EXPECT_EQ(nepal.data(ListeRolleri::SutunRolu).toString(), "Pokhara");
    EXPECT_EQ(nepal.data(Qt::AccessibleTextRole).toString(), "Nepal, Pokhara");
    EXPECT_EQ(nepal.data(KonumModeli::KayitRolu).value<KonumKaydi>().Id, 2);

    model.Ekle({4, "Almanya", "Berlin", 1, 52.5, 13.4});
    EXPECT_EQ(Idler(model.Satirlar()), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(model.Satirlar().AramaKutusuBul("berlin"), 3);

    QItemSelectionModel secim(&model);
    secim.setCurrentIndex(model.index(2), QItemSelectionModel::ClearAndSelect); // Köln
    model.sort(int(KonumSatirlari::Anahtar::Ulke));
    EXPECT_EQ(Idler(model.Satirlar()), (std::vector<int>{3, 4, 2, 1}));
    EXPECT_EQ(secim.currentIndex().row(), 0);
    ASSERT_EQ(secim.selectedRows().size(), 1);
    EXPECT_EQ(secim.selectedRows().first().data(ListeRolleri::SutunRolu).toString(), "Köln");
    model.sort(int(KonumSatirlari::Anahtar::Sehir), Qt::DescendingOrder);
    EXPECT_EQ(Idler(model.Satirlar()), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(secim.currentIndex().row(), 2);
}

} // namespace
