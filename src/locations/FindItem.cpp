#include "locations/FindItem.h"

#include "locations/Desen.h"
#include "locations/LLCase.h"

#include <optional>

namespace {

// One side of a comparison: the folded searched text, as an exact text or a prefix pattern.
class Olcut
{
public:
    Olcut(const QString& aranan, bool onEk) : metin_(LLCase(aranan))
    {
        if (onEk)
            desen_.emplace(metin_ + QLatin1Char('*'));
    }
    bool Uyar(QStringView kucukAlan) const
    {
        return desen_ ? desen_->Eslesir(kucukAlan) : kucukAlan == metin_;
    }

private:
    QString metin_;
    std::optional<Desen> desen_;
};

// Calls bulundu(position) for each matching row until it returns false.
template <typename Geri>
void Tara(const clsFastCollection& liste, const QString& Aranan, const QString& ArananYer,
          bool AramaTuru, Geri bulundu)
{
    const int n = liste.Count();
    auto tara = [&](auto uyar) {
        for (int i = 1; i <= n; ++i)
            if (uyar(*liste.Item(i)) && !bulundu(i))
                return;
    };
    if (ArananYer == QLatin1String("Ulke")) {
        const Olcut ulke(Aranan, AramaTuru);
        tara([&](const vkListItem& s) { return ulke.Uyar(s.KucukUlke()); });
    } else if (ArananYer == QLatin1String("Sehir")) {
        const Olcut sehir(Aranan, AramaTuru);
        tara([&](const vkListItem& s) { return sehir.Uyar(s.KucukSehir()); });
    } else if (ArananYer == QLatin1String("SehirUlke")) {
        if (Aranan.contains(QLatin1Char(','))) {
            const QStringList parcalar = Aranan.split(QLatin1Char(','));
            const Olcut sehir(BosluklariKirp(parcalar.at(0)), AramaTuru);
            const Olcut ulke(BosluklariKirp(parcalar.at(1)), AramaTuru);
            tara([&](const vkListItem& s) {
                return sehir.Uyar(s.KucukSehir()) && ulke.Uyar(s.KucukUlke());
            });
        } else {
            const Olcut sehir(Aranan, AramaTuru);
            tara([&](const vkListItem& s) { return sehir.Uyar(s.KucukSehir()); });
        }
    }
}

} // namespace

int FindItem(const clsFastCollection& liste, const QString& Aranan, const QString& ArananYer,
             bool AramaTuru)
{
    int ilk = 0;
    Tara(liste, Aranan, ArananYer, AramaTuru, [&](int konum) {
        ilk = konum;
        return false;
    });
    return ilk;
}

std::vector<int> FindAllItems(const clsFastCollection& liste, const QString& Aranan,
                              const QString& ArananYer, bool AramaTuru)
{
    std::vector<int> hepsi;
    Tara(liste, Aranan, ArananYer, AramaTuru, [&](int konum) {
        hepsi.push_back(konum);
        return true;
    });
    return hepsi;
}

int AramaKutusuBul(const clsFastCollection& liste, const QString& metin)
{
    const QString t = BosluklariKirp(metin);
    const QString yer = QStringLiteral("SehirUlke");
    const int tam = FindItem(liste, t, yer, false);
    return tam != 0 ? tam : FindItem(liste, t, yer, true);
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
