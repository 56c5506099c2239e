#include "locations/Desen.h"

Desen::Desen(const QString& kalip)
{
    const int n = kalip.size();
    for (int i = 0; i < n; ++i) {
        const char16_t c = kalip.at(i).unicode();
        Parca p{Tur::Harf};
        switch (c) {
        case u'?':
            p.tur = Tur::Herhangi;
            break;
        case u'*':
            if (!parcalar_.empty() && parcalar_.back().tur == Tur::Yildiz)
                continue; // "**" is "*"
            p.tur = Tur::Yildiz;
            break;
        case u'#':
            p.tur = Tur::Rakam;
            break;
        case u'[': {
            p.tur = Tur::Liste;
            int j = i + 1;
            if (j < n && kalip.at(j) == QLatin1Char('!')) {
                p.degil = true;
                ++j;
            }
            p.listeBasi = int(araliklar_.size());
            for (; j < n && kalip.at(j) != QLatin1Char(']'); ++j) {
                const char16_t ilk = kalip.at(j).unicode();
                char16_t son = ilk;
                // "-" between two characters makes a range; at either end it is itself.
                if (j + 2 < n && kalip.at(j + 1) == QLatin1Char('-') &&
                    kalip.at(j + 2) != QLatin1Char(']')) {
                    son = kalip.at(j + 2).unicode();
                    j += 2;
                    if (son < ilk) {
                        gecerli_ = false;
                        return;
                    }
                }
                araliklar_.push_back({ilk, son});
            }
            if (j >= n) { // no closing "]"
                gecerli_ = false;
                return;
            }
            p.listeSayisi = int(araliklar_.size()) - p.listeBasi;
            i = j;
            break;
        }
        default:
            p.harf = c;
            break;
        }
        parcalar_.push_back(p);
    }

    std::size_t k = 0;
    while (k < parcalar_.size() && parcalar_[k].tur == Tur::Harf)
        onEk_.append(QChar(parcalar_[k++].harf));
    sadeOnEk_ = k + 1 == parcalar_.size() && parcalar_[k].tur == Tur::Yildiz;
}

bool Desen::TekEslesir(const Parca& p, char16_t c) const
{
    switch (p.tur) {
    case Tur::Harf:
        return c == p.harf;
    case Tur::Herhangi:
        return true;
    case Tur::Rakam:
        return c >= u'0' && c <= u'9';
    case Tur::Liste: {
        bool icinde = false;
        for (int k = p.listeBasi; k < p.listeBasi + p.listeSayisi && !icinde; ++k)
            icinde = c >= araliklar_[k].ilk && c <= araliklar_[k].son;
        return icinde != p.degil;
    }
    case Tur::Yildiz:
        break;
    }
    return false;
}

bool Desen::Eslesir(QStringView metin) const
{
    if (!gecerli_)
        return false;
    if (!metin.startsWith(onEk_))
        return false;
    if (sadeOnEk_)
        return true;

    // Greedy matching with a return to the last "*": each "*" takes as little as it can and
    // grows by one character whenever the rest fails.
    const int P = int(parcalar_.size());
    const int T = int(metin.size());
    const QChar* t = metin.constData();
    int p = int(onEk_.size()), i = int(onEk_.size());
    int yildiz = -1, yildizSonrasi = 0;
    while (i < T) {
        if (p < P && parcalar_[p].tur == Tur::Yildiz) {
            yildiz = p++;
            yildizSonrasi = i;
        } else if (p < P && TekEslesir(parcalar_[p], t[i].unicode())) {
            ++p;
            ++i;
        } else if (yildiz >= 0) {
            p = yildiz + 1;
            i = ++yildizSonrasi;
        } else {
            return false;
        }
    }
    while (p < P && parcalar_[p].tur == Tur::Yildiz)
        ++p;
    return p == P;
}
