#include "locations/KonumSatirlari.h"

#include "locations/Desen.h"
#include "locations/KonumDosyasi.h"
#include "locations/LLCase.h"
#include "locations/SeciliKonum.h"
#include "locations/UluslararasiAdlar.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

// One side of a comparison: the folded searched text, as an exact text or a prefix pattern.
class Olcut
{
public:
    Olcut(const QString& aranan, bool onEk, bool sade)
        : metin_(sade ? SadeKatla(aranan) : LLCase(aranan))
    {
        if (onEk)
            desen_.emplace(metin_ + QLatin1Char('*'));
    }
    bool Uyar(QStringView katlanmisAlan) const
    {
        return desen_ ? desen_->Eslesir(katlanmisAlan) : katlanmisAlan == metin_;
    }

private:
    QString metin_;
    std::optional<Desen> desen_;
};

// The city side of a search: a row matches by its own name or, when the search asks for it,
// by its international name (Vienna for Viyana, Avusturya).
class SehirOlcutu
{
public:
    SehirOlcutu(const QString& aranan, bool onEk, bool sade, bool uluslararasi)
        : ad_(aranan, onEk, sade), sade_(sade)
    {
        if (!uluslararasi)
            return;
        for (const UluslararasiAd& u : UluslararasiAdlar())
            if (ad_.Uyar(sade ? u.SadeAd : u.KucukAd))
                digerleri_.push_back(&u);
    }
    bool Uyar(QStringView sehir, QStringView ulke) const
    {
        if (ad_.Uyar(sehir))
            return true;
        for (const UluslararasiAd* u : digerleri_)
            if (sehir == (sade_ ? u->SadeSehir : u->KucukSehir) &&
                ulke == (sade_ ? u->SadeUlke : u->KucukUlke))
                return true;
        return false;
    }

private:
    Olcut ad_;
    bool sade_;
    std::vector<const UluslararasiAd*> digerleri_; // places whose other name matches
};

} // namespace

KonumSatirlari::KonumSatirlari(QVector<KonumKaydi> kayitlar) : kayitlar_(std::move(kayitlar)) {}

void KonumSatirlari::Ekle(const KonumKaydi& kayit)
{
    kayitlar_.push_back(kayit);
    if (!katlar_.empty())
        katlar_.push_back(Katla(kayit));
}

KonumSatirlari::Katlanmis KonumSatirlari::Katla(const KonumKaydi& k)
{
    return {LLCase(k.Ulke), LLCase(k.Sehir), SadeKatla(k.Ulke), SadeKatla(k.Sehir)};
}

const std::vector<KonumSatirlari::Katlanmis>& KonumSatirlari::Katlar() const
{
    if (katlar_.size() != std::size_t(kayitlar_.size())) {
        katlar_.clear();
        katlar_.reserve(std::size_t(kayitlar_.size()));
        for (const KonumKaydi& k : kayitlar_)
            katlar_.push_back(Katla(k));
    }
    return katlar_;
}

// Calls bulundu(row) for each matching row until it returns false.
template <typename Geri>
void KonumSatirlari::Tara(const QString& aranan, bool onEk, bool sade, bool uluslararasi,
                          Geri bulundu) const
{
    const std::vector<Katlanmis>& katlar = Katlar();
    auto ulkesi = [&](const Katlanmis& k) -> const QString& {
        return sade ? k.SadeUlke : k.KucukUlke;
    };
    auto sehri = [&](const Katlanmis& k) -> const QString& {
        return sade ? k.SadeSehir : k.KucukSehir;
    };
    auto tara = [&](auto uyar) {
        for (int i = 0; i < int(katlar.size()); ++i)
            if (uyar(katlar[std::size_t(i)]) && !bulundu(i))
                return;
    };
    if (!aranan.contains(QLatin1Char(','))) {
        const SehirOlcutu sehir(aranan, onEk, sade, uluslararasi);
        tara([&](const Katlanmis& k) { return sehir.Uyar(sehri(k), ulkesi(k)); });
    } else {
        const QStringList parcalar = aranan.split(QLatin1Char(','));
        const SehirOlcutu sehir(BosluklariKirp(parcalar.at(0)), onEk, sade, uluslararasi);
        const Olcut ulke(BosluklariKirp(parcalar.at(1)), onEk, sade);
        tara([&](const Katlanmis& k) {
            return sehir.Uyar(sehri(k), ulkesi(k)) && ulke.Uyar(ulkesi(k));
        });
    }
}

int KonumSatirlari::Ilk(const QString& aranan, bool onEk, bool sade, bool uluslararasi) const
{
    int ilk = -1;
    Tara(aranan, onEk, sade, uluslararasi, [&](int satir) {
        ilk = satir;
        return false;
    });
    return ilk;
}

int KonumSatirlari::Bul(const QString& aranan) const
{
    return Ilk(aranan, false, false, false);
}

int KonumSatirlari::AramaKutusuBul(const QString& metin) const
{
    const QString t = BosluklariKirp(metin);
    for (bool sade : {false, true})
        for (bool onEk : {false, true})
            if (const int satir = Ilk(t, onEk, sade, true); satir >= 0)
                return satir;
    return -1;
}

std::vector<int> KonumSatirlari::AramaKutusuHepsi(const QString& metin) const
{
    const QString t = BosluklariKirp(metin);
    std::vector<int> hepsi;
    for (bool sade : {false, true}) {
        Tara(t, true, sade, true, [&](int satir) {
            hepsi.push_back(satir);
            return true;
        });
        if (!hepsi.empty())
            break;
    }
    return hepsi;
}

int KonumSatirlari::SeciliKonumBul(const SeciliKonum& yer) const
{
    if (yer.Id == 0)
        return -1;
    int ilk = -1;
    for (int i = 0; i < size(); ++i) {
        const KonumKaydi& k = kayitlar_.at(i);
        if (k.Id != yer.Id)
            continue;
        if (k.Ulke == yer.Ulke && k.Sehir == yer.Sehir)
            return i;
        if (ilk < 0)
            ilk = i;
    }
    return ilk;
}

std::vector<int> KonumSatirlari::Sirala(Anahtar anahtar, bool artan)
{
    auto sayi = [anahtar](const KonumKaydi& k) {
        return anahtar == Anahtar::Tz ? k.Tz : anahtar == Anahtar::Enlem ? k.Enlem : k.Boylam;
    };
    const bool metin = anahtar == Anahtar::Ulke || anahtar == Anahtar::Sehir;
    auto ad = [anahtar](const KonumKaydi& k) -> const QString& {
        return anahtar == Anahtar::Ulke ? k.Ulke : k.Sehir;
    };
    // Numbers that print alike are one key: sorting them would only shuffle equal rows.
    auto ayni = [&](const KonumKaydi& a, const KonumKaydi& b) {
        return metin ? ad(a) == ad(b)
                     : KonumDosyasi::SayiMetni(sayi(a)) == KonumDosyasi::SayiMetni(sayi(b));
    };
    if (size() < 2 || std::all_of(kayitlar_.cbegin(), kayitlar_.cend(),
                                  [&](const KonumKaydi& k) { return ayni(kayitlar_.front(), k); }))
        return {};
    auto once = [&](const KonumKaydi& a, const KonumKaydi& b) {
        if (!metin)
            return sayi(a) < sayi(b);
        const QString &x = ad(a), &y = ad(b);
        return std::lexicographical_compare(x.utf16(), x.utf16() + x.size(), y.utf16(),
                                            y.utf16() + y.size());
    };
    std::vector<int> sira(static_cast<std::size_t>(size()));
    std::iota(sira.begin(), sira.end(), 0);
    std::stable_sort(sira.begin(), sira.end(), [&](int a, int b) {
        return artan ? once(kayitlar_.at(a), kayitlar_.at(b))
                     : once(kayitlar_.at(b), kayitlar_.at(a));
    });
    QVector<KonumKaydi> yeni;
    yeni.reserve(size());
    for (int eski : sira)
        yeni.push_back(kayitlar_.at(eski));
    kayitlar_ = std::move(yeni);
    katlar_.clear();
    return sira;
}

QString BosluklariKirp(const QString& metin)
{
    int bas = 0, son = int(metin.size());
    while (bas < son && metin.at(bas) == QLatin1Char(' '))
        ++bas;
    while (son > bas && metin.at(son - 1) == QLatin1Char(' '))
        --son;
    return metin.mid(bas, son - bas);
}
