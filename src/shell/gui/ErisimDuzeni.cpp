#include "shell/gui/ErisimDuzeni.h"

#include "controls/gui/Buton.h"
#include "shell/gui/AnaForm.h"
#include "shell/gui/Etiket.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QShortcut>

ErisimDuzeni::ErisimDuzeni(AnaForm& form) : QObject(&form), f_(form), alan_(form.SayfaAlani)
{
    const auto kisayol = [this](const QKeySequence& tuslar, auto ne) {
        auto* k = new QShortcut(tuslar, &f_);
        connect(k, &QShortcut::activated, this, ne);
    };
    const auto sonraki = [this](int adim) {
        sayfaAc((f_.Programi().GosterilenSayfa() + adim + AnaForm::SayfaSayisi) %
                AnaForm::SayfaSayisi);
    };
    kisayol(QKeySequence(Qt::CTRL | Qt::Key_Tab), [sonraki] { sonraki(1); });
    // X11 reports Shift+Tab as Backtab.
    kisayol(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [sonraki] { sonraki(-1); });
    kisayol(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [sonraki] { sonraki(-1); });
    for (int i = 0; i < AnaForm::SayfaSayisi; ++i)
        kisayol(QKeySequence(Qt::ALT | (Qt::Key_1 + i)), [this, i] { sayfaAc(i); });

    // The ezan button has no caption and no tooltip; the place and date labels say what
    // they open.
    f_.BtnEzan->setAccessibleName(QStringLiteral("Ezan"));
    for (Etiket* e : {f_.LUlke, f_.LSehir})
        e->setAccessibleDescription(QStringLiteral("Bölgesel Ayarlar"));
    for (Etiket* e : {f_.LTMiladi, f_.LTHicri})
        e->setAccessibleDescription(QStringLiteral("Tarih Seç"));
    // The hidden clock behind the Hijri date changes every second.
    f_.LTSaat->SessizGuncellenir();

    // Pages 1 to 4 are built after the first frame; their controls join the Tab order then.
    f_.SayfaAlani->installEventFilter(this);
    siraKur();
}

void ErisimDuzeni::sayfaAc(int sayfa)
{
    f_.SekmeDugmeleri[sayfa]->click();
    // The keyboard follows the page it opened: to the page's first control in Tab order,
    // unless the page has taken the focus itself (the search box).
    QWidget* s = f_.Sayfalar[sayfa];
    if (!s || s->isAncestorOf(QApplication::focusWidget()))
        return;
    for (QWidget* w = f_.LTHicri->nextInFocusChain(); w != f_.LTHicri; w = w->nextInFocusChain())
        if (s->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

bool ErisimDuzeni::eventFilter(QObject* nesne, QEvent* e)
{
    if (nesne == alan_ && e->type() == QEvent::ChildAdded && !siraBekliyor_) {
        // A page is added before its controls are: order them once it is complete.
        siraBekliyor_ = true;
        QMetaObject::invokeMethod(this, &ErisimDuzeni::siraKur, Qt::QueuedConnection);
    }
    return QObject::eventFilter(nesne, e);
}

void ErisimDuzeni::siraKur()
{
    siraBekliyor_ = false;
    QWidgetList sira{f_.GAyarUstte, f_.BtnKapat, f_.LUlke, f_.LSehir, f_.LTMiladi, f_.LTHicri};
    for (int i = 0; i < AnaForm::SayfaSayisi; ++i) {
        QWidget* sayfa = f_.Sayfalar[i];
        if (!sayfa)
            continue;
        // A page is called what its tab button says.
        if (sayfa->accessibleName().isEmpty())
            if (QAccessibleInterface* dugme =
                    QAccessible::queryAccessibleInterface(f_.SekmeDugmeleri[i]))
                sayfa->setAccessibleName(dugme->text(QAccessible::Name));
        // The page's own chain, in the order its controls were made or ordered.
        for (QWidget* w = sayfa->nextInFocusChain(); w != sayfa; w = w->nextInFocusChain())
            if (sayfa->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
                sira << w;
    }
    for (Buton* b : f_.SekmeDugmeleri)
        sira << b;
    sira << f_.BtnEzan;
    for (int i = 1; i < sira.size(); ++i)
        QWidget::setTabOrder(sira[i - 1], sira[i]);
}
