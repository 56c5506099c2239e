#pragma once

#include <QString>
#include <vector>

// A wildcard pattern, compiled once and matched against many texts:
//   ?  any one character          *  any run of characters, also none
//   #  any one digit 0-9          [list] one character of the list, ranges like a-z allowed
//   [!list] one character not in the list; every other character stands for itself.
// Characters are UTF-16 code units compared ordinally (callers fold both sides first).
// A malformed pattern (an unclosed "[", a descending range such as [z-a]) is not an error:
// it is invalid and matches nothing.
class Desen
{
public:
    explicit Desen(const QString& kalip);

    bool Gecerli() const { return gecerli_; }
    bool Eslesir(QStringView metin) const;

private:
    enum class Tur : unsigned char
    {
        Harf,
        Herhangi,
        Yildiz,
        Rakam,
        Liste
    };
    struct Aralik
    {
        char16_t ilk, son;
    };
    struct Parca
    {
        Tur tur;
        bool degil = false;  // [!...]
        char16_t harf = 0;   // Harf
        int listeBasi = 0;   // Liste: first range in araliklar_
        int listeSayisi = 0; // Liste: number of ranges
    };

    bool TekEslesir(const Parca& p, char16_t c) const;

    std::vector<Parca> parcalar_;
    std::vector<Aralik> araliklar_;
    QString onEk_; // the literal run before the first wildcard, checked first
    bool gecerli_ = true;
    bool sadeOnEk_ = false; // pattern is a literal followed by one final "*"
};
