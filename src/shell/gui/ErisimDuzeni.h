#pragma once

#include <QObject>

class AnaForm;

// The main window's keyboard and screen-reader arrangement, kept out of the window's own
// code: Ctrl+Tab / Ctrl+Shift+Tab step through the pages and Alt+1 to Alt+5 open them, as a
// click on their tab buttons does; the controls that carry no caption get their names; and
// Tab walks the window from the title strip through the place and dates, the page shown,
// to the tab buttons and the ezan button, also once the later pages are built.
class ErisimDuzeni : public QObject
{
    Q_OBJECT
public:
    explicit ErisimDuzeni(AnaForm& form);

    bool eventFilter(QObject* nesne, QEvent* e) override;

private:
    void sayfaAc(int sayfa);
    void siraKur();

    AnaForm& f_;
    // The page area, compared with while the window is torn down (when f_ is no form any more).
    const QObject* const alan_;
    bool siraBekliyor_ = false;
};
