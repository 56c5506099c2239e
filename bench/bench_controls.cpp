// The picture button and the scrollbar offscreen: one repaint each, one thumb-drag move
// (the value, Change and Scrolled and the repaint).
#include "controls/gui/Buton.h"
#include "controls/gui/Scroll.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void UygulamaKur()
{
    static int argc = 1;
    static char ad[] = "bench_controls";
    static char* argv[] = {ad, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication uygulama(argc, argv);
}

QPixmap Resim(QSize boyut, const QColor& renk)
{
    QPixmap p(boyut);
    p.fill(renk);
    QPainter(&p).fillRect(0, 0, 6, boyut.height(), QColor(255, 0, 255));
    return p;
}

void BM_ButonCiz(benchmark::State& durum)
{
    UygulamaKur();
    Buton b;
    b.resize(72, 22);
    b.setPictureNormal(Resim(QSize(72, 22), Qt::green));
    b.setMaskColor(QColor(255, 0, 255));
    b.setUseMaskColor(durum.range(0) != 0);
    b.setText(QStringLiteral("Kaydet"));
    QImage hedef(b.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : durum)
        b.render(&hedef);
}
BENCHMARK(BM_ButonCiz)->Arg(0)->Arg(1)->ArgName("UseMaskColor");

void BM_ScrollCiz(benchmark::State& durum)
{
    UygulamaKur();
    Scroll s;
    s.setScrlArtPicture(Resim(QSize(17, 32), Qt::lightGray));
    s.setScrlNPicture(Resim(QSize(17, 20), Qt::darkGreen));
    s.resize(17, 300);
    QImage hedef(s.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : durum)
        s.render(&hedef);
}
BENCHMARK(BM_ScrollCiz);

void BM_ScrollSurukleme(benchmark::State& durum)
{
    UygulamaKur();
    Scroll s;
    s.setScrlNPicture(Resim(QSize(17, 20), Qt::darkGreen));
    s.resize(17, 300);
    s.setMax(8000);
    int degisim = 0;
    QObject::connect(&s, &Scroll::Change, [&](SabitNokta&) { ++degisim; });
    QMouseEvent bas(QEvent::MouseButtonPress, QPointF(8, s.ScrlTop() / 15 + 5), QPointF(),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s, &bas);
    QImage hedef(s.size(), QImage::Format_ARGB32_Premultiplied);
    int y = 20;
    for (auto _ : durum) {
        y = y >= 280 ? 20 : y + 1;
        QMouseEvent tasi(QEvent::MouseMove, QPointF(8, y), QPointF(), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&s, &tasi);
        s.render(&hedef);
    }
    benchmark::DoNotOptimize(degisim);
}
BENCHMARK(BM_ScrollSurukleme);

} // namespace
