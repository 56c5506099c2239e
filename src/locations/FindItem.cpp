#include "locations/FindItem.h"

#include "locations/Desen.h"
#include "locations/LLCase.h"
#include "locations/UluslararasiAdlar.h"

#include <optional>

namespace {

// How both sides of a comparison are folded: the Turkish way (LLCase), or the plainer way
// the search falls back on (SadeKatla).
enum class Katlama
{
    Turkce,
    Sade
};

QString Katla(const QString& metin, Katlama k)
{
    return k == Katlama::Turkce ? LLCase(metin) : SadeKatla(metin);
}
QStringView UlkeAlani(const vkListItem& s, Katlama k)
{
    return k == Katlama::Turkce ? s.KucukUlke() : s.SadeUlke();
}
QStringView SehirAlani(const vkListItem& s, Katlama k)
{
    return k == Katlama::Turkce ? s.KucukSehir() : s.SadeSehir();
}

// One side of a comparison: the folded searched text, as an exact text or a prefix pattern.
class Olcut
{
public:
    Olcut(const QString& aranan, bool onEk, Katlama k) : metin_(Katla(aranan, k))
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
    SehirOlcutu(const QString& aranan, bool onEk, Katlama k, bool uluslararasi)
        : ad_(aranan, onEk, k), katlama_(k)
    {
        if (!uluslararasi)
            return;
        const bool turkce = k == Katlama::Turkce;
        for (const UluslararasiAd& u : UluslararasiAdlar())
            if (ad_.Uyar(turkce ? u.KucukAd : u.SadeAd))
                digerleri_.push_back(&u);
    }
    bool Uyar(const vkListItem& s) const
    {
        if (ad_.Uyar(SehirAlani(s, katlama_)))
            return true;
        const bool turkce = katlama_ == Katlama::Turkce;
        for (const UluslararasiAd* u : digerleri_)
            if (SehirAlani(s, katlama_) == (turkce ? u->KucukSehir : u->SadeSehir) &&
                UlkeAlani(s, katlama_) == (turkce ? u->KucukUlke : u->SadeUlke))
                return true;
        return false;
    }

private:
    Olcut ad_;
    Katlama katlama_;
    std::vector<const UluslararasiAd*> digerleri_; // places whose other name matches
};

struct Arama
{
    Katlama katlama = Katlama::Turkce;
    bool uluslararasi = false; // a city is found by its international name too
};

// Calls bulundu(position) for each matching row until it returns false.
template <typename Geri>
void Tara(const clsFastCollection& liste, const QString& Aranan, const QString& ArananYer,
          bool AramaTuru, Arama a, Geri bulundu)
{
    const int n = liste.Count();
    auto tara = [&](auto uyar) {
        for (int i = 1; i <= n; ++i)
            if (uyar(*liste.Item(i)) && !bulundu(i))
                return;
    };
    const Katlama k = a.katlama;
    if (ArananYer == QLatin1String("Ulke")) {
        const Olcut ulke(Aranan, AramaTuru, k);
        tara([&](const vkListItem& s) { return ulke.Uyar(UlkeAlani(s, k)); });
    } else if (ArananYer == QLatin1String("Sehir")) {
        const SehirOlcutu sehir(Aranan, AramaTuru, k, a.uluslararasi);
        tara([&](const vkListItem& s) { return sehir.Uyar(s); });
    } else if (ArananYer == QLatin1String("SehirUlke")) {
        if (Aranan.contains(QLatin1Char(','))) {
            const QStringList parcalar = Aranan.split(QLatin1Char(','));
            const SehirOlcutu sehir(BosluklariKirp(parcalar.at(0)), AramaTuru, k, a.uluslararasi);
            const Olcut ulke(BosluklariKirp(parcalar.at(1)), AramaTuru, k);
            tara([&](const vkListItem& s) { return sehir.Uyar(s) && ulke.Uyar(UlkeAlani(s, k)); });
        } else {
            const SehirOlcutu sehir(Aranan, AramaTuru, k, a.uluslararasi);
            tara([&](const vkListItem& s) { return sehir.Uyar(s); });
        }
    }
}

int Ilk(const clsFastCollection& liste, const QString& Aranan, const QString& ArananYer,
        bool AramaTuru, Arama a)
{
    int ilk = 0;
    Tara(liste, Aranan, ArananYer, AramaTuru, a, [&](int konum) {
        ilk = konum;
        return false;
    });
    return ilk;
}

std::vector<int> Hepsi(const clsFastCollection& liste, const QString& Aranan, Arama a)
{
    std::vector<int> hepsi;
    Tara(liste, Aranan, QStringLiteral("SehirUlke"), true, a, [&](int konum) {
        hepsi.push_back(konum);
        return true;
    });
    return hepsi;
}

} // namespace

int FindItem(const clsFastCollection& liste, const QString& Aranan, const QString& ArananYer,
             bool AramaTuru)
{
    return Ilk(liste, Aranan, ArananYer, AramaTuru, Arama());
}

int AramaKutusuBul(const clsFastCollection& liste, const QString& metin)
{
    const QString t = BosluklariKirp(metin);
    const QString yer = QStringLiteral("SehirUlke");
    for (Katlama k : {Katlama::Turkce, Katlama::Sade})
        for (bool onEk : {false, true})
            if (const int p = Ilk(liste, t, yer, onEk, {k, true}))
                return p;
    return 0;
}

std::vector<int> AramaKutusuHepsi(const clsFastCollection& liste, const QString& metin)
{
    const QString t = BosluklariKirp(metin);
    std::vector<int> hepsi = Hepsi(liste, t, {Katlama::Turkce, true});
    return hepsi.empty() ? Hepsi(liste, t, {Katlama::Sade, true}) : hepsi;
}

QString BosluklariKirp(const QString& metin)
{
    int bas = 0, son = metin.size();
    while (bas < son && metin.at(bas) == QLatin1Char(' '))
        ++bas;
    while (son > bas && metin.at(son - 1) == QLatin1Char(' '))
        --son;
    return metin.mid(bas, son - bas);
}
