// The yardstick of bench/baslangic.sh: the least a Qt Widgets program does to show one
// 242 x 341 window with text on it. The text is drawn in the font of orvanel's labels
// (Arial, regular and bold), so both programs pay for setting up that font on their first
// frame. Reports its first painted frame the way orvanel does (ORVANEL_ILK_KAREDE_CIK), then
// ends.
#include <QApplication>
#include <QDateTime>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class Pencere : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(12);
        p.setFont(f);
        p.drawText(12, 52, QStringLiteral("Türkiye"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(12, 74, QStringLiteral("İstanbul"));
        if (bildirildi_ || !qEnvironmentVariableIsSet("ORVANEL_ILK_KAREDE_CIK"))
            return;
        bildirildi_ = true;
        QTimer::singleShot(0, [] {
            std::fprintf(stderr, "ilk-kare %lld\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000000LL);
            std::fflush(stderr);
            QCoreApplication::exit(0);
        });
    }

private:
    bool bildirildi_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Pencere p;
    p.setFixedSize(242, 341);
    p.show();
    return app.exec();
}
