#include "controls/gui/Resim.h"

#include <QPainter>

Resim::Resim(const QPixmap& bitmap) : bitmap_(bitmap)
{
    if (!bitmap.isNull())
        tur_ = Turu::Bitmap;
}

Resim::Resim(const QImage& bitmap) : Resim(QPixmap::fromImage(bitmap)) {}

Resim::Resim(const QIcon& ikon) : ikon_(ikon)
{
    if (!ikon.isNull())
        tur_ = Turu::Ikon;
}

Resim::Resim(const QPicture& metafile) : metafile_(metafile)
{
    if (!metafile.isNull())
        tur_ = Turu::Metafile;
}

Resim Resim::Gecersiz()
{
    Resim r;
    r.tur_ = Turu::Gecersiz;
    return r;
}

QSize Resim::Boyut() const
{
    switch (tur_) {
    case Turu::Bitmap:
        return bitmap_.deviceIndependentSize().toSize();
    case Turu::Ikon: {
        const QList<QSize> boyutlar = ikon_.availableSizes();
        return boyutlar.isEmpty() ? QSize(32, 32) : boyutlar.first();
    }
    case Turu::Metafile:
        return metafile_.boundingRect().size();
    case Turu::Yok:
    case Turu::Gecersiz:
        break;
    }
    return QSize();
}

bool Resim::Ciz(QPainter& p, int x, int y) const
{
    switch (tur_) {
    case Turu::Bitmap:
        p.drawPixmap(x, y, bitmap_);
        return true;
    case Turu::Ikon:
        ikon_.paint(&p, QRect(QPoint(x, y), Boyut()));
        return true;
    case Turu::Metafile:
        p.drawPicture(QPoint(x, y) - metafile_.boundingRect().topLeft(), metafile_);
        return true;
    case Turu::Yok:
        return true;
    case Turu::Gecersiz:
        break;
    }
    return false;
}

bool Resim::operator==(const Resim& o) const
{
    if (tur_ != o.tur_)
        return false;
    switch (tur_) {
    case Turu::Bitmap:
        return bitmap_.cacheKey() == o.bitmap_.cacheKey();
    case Turu::Ikon:
        return ikon_.cacheKey() == o.ikon_.cacheKey();
    case Turu::Metafile:
        return metafile_.data() == o.metafile_.data();
    case Turu::Yok:
    case Turu::Gecersiz:
        break;
    }
    return true;
}
