#include "cli/AramaKomutu.h"

#include "cli/Cikis.h"
#include "cli/KonumArama.h"

AramaKomutu::AramaKomutu()
    : Komut({QStringLiteral("search")},
            QStringLiteral("data.db'de konum arar ve bulduğu satırı yazar."),
            QStringLiteral(
                "Konum arama kutusunun METİN için seçtiği yeri, data.db'deki satırıyla yazar.\n"
                "METİN bir şehir ya da \"şehir,ülke\"dir; önce tam eşleşme, sonra başlangıç "
                "aranır;\nbüyük/küçük harf fark etmez, ? * # [liste] joker olarak çalışır; "
                "\"-\" ile\nbaşlayan METİN'in önüne -- koyun.\n"
                "Çıkış durumu: 0 bulundu, 1 bulunamadı, 2 hatalı girdi ya da okunamayan dosya."),
            QStringLiteral("METİN")),
      hepsi_(QStringLiteral("all"),
             QStringLiteral("Başlangıç aramasının bulduğu bütün satırları liste sırasıyla yaz."))
{
    SecenekEkle({DbSecenegi, hepsi_});
}

int AramaKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                       const KomutOrtami& ortam) const
{
    const QStringList kelimeler = p.positionalArguments();
    if (kelimeler.size() != 1)
        return Cikis::Hata(err, kelimeler.isEmpty()
                                    ? QStringLiteral("Aranacak metin verilmedi.")
                                    : QStringLiteral("Tek bir arama metni verilmeli (boşluk "
                                                     "içeren metni tırnak içine alın)."));
    const QString& metin = kelimeler.first();
    const KonumDosyasi dosya = Veritabani(p, ortam);

    if (!p.isSet(hepsi_)) {
        const Sonuc<KonumArama::Bulunan> b = KonumArama::Bul(metin, dosya, err);
        if (!b)
            return Cikis::Hata(err, b.Hatasi());
        out << KonumDosyasi::SatirMetni(b->Kayit) << '\n';
        return Cikis::Tamam;
    }

    KonumSatirlari liste;
    if (Sonuc<> okunan = KonumArama::Oku(dosya, liste, err); !okunan)
        return Cikis::Hata(err, okunan.Hatasi());
    const std::vector<int> bulunan = liste.AramaKutusuHepsi(metin);
    if (bulunan.empty())
        return Cikis::Hata(err, KonumArama::BulunamadiMesaji(metin), Cikis::Bulunamadi);
    for (int satir : bulunan)
        out << KonumDosyasi::SatirMetni(liste.at(satir)) << '\n';
    return Cikis::Tamam;
}
