#pragma once

#include <QIcon>
#include <QMetaType>
#include <QPicture>
#include <QPixmap>
#include <QString>

class QPainter;

// One picture property of a skinned control: a bitmap, an icon or a metafile (QPicture),
// or nothing. A picture given from a file that could not be read is kept as "invalid", so
// that drawing it can report the fault instead of silently showing nothing.
class Resim
{
public:
    enum class Turu
    {
        Yok,
        Bitmap,
        Ikon,
        Metafile,
        Gecersiz
    };

    Resim() = default;
    Resim(const QPixmap& bitmap);
    Resim(const QImage& bitmap);
    Resim(const QIcon& ikon);
    Resim(const QPicture& metafile);
    static Resim Gecersiz();

    Turu Tur() const { return tur_; }
    bool Bos() const { return tur_ == Turu::Yok; }
    // The picture's own size in pixels (an icon: its first size, else 32 x 32).
    QSize Boyut() const;

    const QPixmap& Bitmap() const { return bitmap_; }
    const QIcon& Ikon() const { return ikon_; }
    const QPicture& Metafile() const { return metafile_; }

    // Paints the picture unchanged with its top-left corner at (x, y); false for an
    // invalid picture.
    bool Ciz(QPainter& p, int x, int y) const;

    // Same picture (shared data), for telling apart which one a control shows.
    bool operator==(const Resim& o) const;
    bool operator!=(const Resim& o) const { return !(*this == o); }

private:
    Turu tur_ = Turu::Yok;
    QPixmap bitmap_;
    QIcon ikon_;
    QPicture metafile_;
};

Q_DECLARE_METATYPE(Resim)
