// The picture button and the scrollbar offscreen: one repaint each, one thumb-drag move
// (the value, Change and Scrolled and the repaint).
#include "controls/gui/Buton.h"
#include "controls/gui/KaydirmaCubugu.h"

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

KaydirmaResimleri Duz()
{
    KaydirmaResimleri r;
    for (QPixmap* p : {&r.Yukari[0], &r.Asagi[0]}) {
        *p = QPixmap(17, 17);
        p->fill(Qt::gray);
    }
    r.Tutamak[0] = QPixmap(17, 20);
    r.Tutamak[0].fill(Qt::darkGreen);
    r.Iz = QPixmap(17, 32);
    r.Iz.fill(Qt::lightGray);
    return r;
}

void BM_ScrollCiz(benchmark::State& durum)
{
    UygulamaKur();
    KaydirmaCubugu s;
    s.setResimler(Duz());
    s.resize(17, 300);
    QImage hedef(s.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : durum)
        s.render(&hedef);
}
BENCHMARK(BM_ScrollCiz);

void BM_ScrollSurukleme(benchmark::State& durum)
{
    UygulamaKur();
    KaydirmaCubugu s;
    s.setResimler(Duz());
    s.resize(17, 300);
    s.setRange(0, 8000);
    int degisim = 0;
    QObject::connect(&s, &QScrollBar::valueChanged, [&] { ++degisim; });
    QMouseEvent bas(QEvent::MouseButtonPress, QPointF(8, s.TutamakUstu() + 5), QPointF(),
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
