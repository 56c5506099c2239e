#pragma once

#include <QAccessibleInterface>
#include <QHash>
#include <QPointer>

class QWidget;

// A widget's accessible interface as assistive technology on X11 needs it under a scale factor.
// Qt 6.4's AT-SPI bridge hands on QAccessibleInterface::rect() in device-independent pixels,
// so at QT_SCALE_FACTOR=2 a magnifier went to half the distance. Kur() wraps the interface Qt
// (or the program) makes for every widget in one of these: it answers as the wrapped one, with
// rectangles in the screen's pixels (ErisimKonumu: on X11; elsewhere they stay as they are),
// its characters' places included. A list's rows, which have no object of their own, are
// wrapped as the list hands them out, by child index and by row alike. Windows' UI Automation
// scales by itself: nothing is wrapped there.
class OlcekliErisim : public QAccessibleInterface,
                      public QAccessibleTextInterface,
                      public QAccessibleTableInterface
{
public:
    // From now on every widget's interface is wrapped (not on Windows).
    static void Kur();
    // Installs another interface factory (on every platform), under the wrapper: Qt asks the
    // newest factory first, so the wrapper goes back on top and wraps what `fabrika` makes.
    static void FabrikaEkle(QAccessible::InterfaceFactory fabrika);
    // Once for each pair: from now on every widget of class W gets the interface E(W*).
    template <typename W, typename E> static void SinifaKur()
    {
        [[maybe_unused]] static const bool kuruldu =
            (FabrikaEkle([](const QString&, QObject* nesne) -> QAccessibleInterface* {
                 auto* w = qobject_cast<W*>(nesne);
                 return w ? new E(w) : nullptr;
             }),
             true);
    }

    ~OlcekliErisim() override;

    // A member written in one line here hands on the wrapped interface's answer as it is; the
    // others convert a position or wrap what they hand out.
    bool isValid() const override { return ilet(ic(), &Arayuz::isValid); }
    QObject* object() const override { return ilet(ic(), &Arayuz::object); }
    QWindow* window() const override { return ilet(ic(), &Arayuz::window); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override { return ilet(ic(), &Arayuz::parent); }
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return ilet(ic(), &Arayuz::childCount); }
    int indexOfChild(const QAccessibleInterface* cocuk) const override;
    QString text(QAccessible::Text t) const override { return ilet(ic(), &Arayuz::text, t); }
    void setText(QAccessible::Text t, const QString& metin) override
    {
        ilet(ic(), &Arayuz::setText, t, metin);
    }
    QRect rect() const override;
    QAccessible::Role role() const override { return ilet(ic(), &Arayuz::role); }
    QAccessible::State state() const override;
    QColor foregroundColor() const override { return ilet(ic(), &Arayuz::foregroundColor); }
    QColor backgroundColor() const override { return ilet(ic(), &Arayuz::backgroundColor); }
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface: the wrapped one's, with the characters' places scaled.
    void selection(int secim, int* bas, int* son) const override;
    int selectionCount() const override { return ilet(metin(), &Metin::selectionCount); }
    void addSelection(int bas, int son) override { ilet(metin(), &Metin::addSelection, bas, son); }
    void removeSelection(int secim) override { ilet(metin(), &Metin::removeSelection, secim); }
    void setSelection(int secim, int bas, int son) override
    {
        ilet(metin(), &Metin::setSelection, secim, bas, son);
    }
    int cursorPosition() const override { return ilet(metin(), &Metin::cursorPosition); }
    void setCursorPosition(int konum) override { ilet(metin(), &Metin::setCursorPosition, konum); }
    QString text(int bas, int son) const override { return ilet(metin(), &Metin::text, bas, son); }
    QString textBeforeOffset(int konum, QAccessible::TextBoundaryType sinir, int* bas,
                             int* son) const override;
    QString textAfterOffset(int konum, QAccessible::TextBoundaryType sinir, int* bas,
                            int* son) const override;
    QString textAtOffset(int konum, QAccessible::TextBoundaryType sinir, int* bas,
                         int* son) const override;
    int characterCount() const override { return ilet(metin(), &Metin::characterCount); }
    QRect characterRect(int konum) const override;
    int offsetAtPoint(const QPoint& nokta) const override;
    void scrollToSubstring(int bas, int son) override
    {
        ilet(metin(), &Metin::scrollToSubstring, bas, son);
    }
    QString attributes(int konum, int* bas, int* son) const override;

    // QAccessibleTableInterface: the wrapped one's, handing out the same row wrappers as
    // child() does.
    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int satir, int sutun) const override;
    int selectedCellCount() const override { return ilet(tablo(), &Tablo::selectedCellCount); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int sutun) const override
    {
        return ilet(tablo(), &Tablo::columnDescription, sutun);
    }
    QString rowDescription(int satir) const override
    {
        return ilet(tablo(), &Tablo::rowDescription, satir);
    }
    int selectedColumnCount() const override { return ilet(tablo(), &Tablo::selectedColumnCount); }
    int selectedRowCount() const override { return ilet(tablo(), &Tablo::selectedRowCount); }
    int columnCount() const override { return ilet(tablo(), &Tablo::columnCount); }
    int rowCount() const override { return ilet(tablo(), &Tablo::rowCount); }
    QList<int> selectedColumns() const override { return ilet(tablo(), &Tablo::selectedColumns); }
    QList<int> selectedRows() const override { return ilet(tablo(), &Tablo::selectedRows); }
    bool isColumnSelected(int sutun) const override
    {
        return ilet(tablo(), &Tablo::isColumnSelected, sutun);
    }
    bool isRowSelected(int satir) const override
    {
        return ilet(tablo(), &Tablo::isRowSelected, satir);
    }
    bool selectRow(int satir) override { return ilet(tablo(), &Tablo::selectRow, satir); }
    bool selectColumn(int sutun) override { return ilet(tablo(), &Tablo::selectColumn, sutun); }
    bool unselectRow(int satir) override { return ilet(tablo(), &Tablo::unselectRow, satir); }
    bool unselectColumn(int sutun) override { return ilet(tablo(), &Tablo::unselectColumn, sutun); }
    void modelChange(QAccessibleTableModelChangeEvent* olay) override;

private:
    using Arayuz = QAccessibleInterface;
    using Metin = QAccessibleTextInterface;
    using Tablo = QAccessibleTableInterface;
    // What the wrapped interface (or its text or table part) answers, or nothing once it is
    // gone.
    template <typename A, typename R, typename... P, typename... V>
    static R ilet(A* a, R (A::*f)(P...) const, V... v)
    {
        return a ? (a->*f)(v...) : R();
    }
    template <typename A, typename R, typename... P, typename... V>
    static R ilet(A* a, R (A::*f)(P...), V... v)
    {
        return a ? (a->*f)(v...) : R();
    }

    OlcekliErisim(QAccessibleInterface* ic, QWidget* olcekVeren);
    static QAccessibleInterface* Fabrika(const QString& sinif, QObject* nesne);
    // The wrapped interface, or null once it is gone (a list drops its rows when they change).
    QAccessibleInterface* ic() const;
    QAccessibleTextInterface* metin() const;
    QAccessibleTableInterface* tablo() const;
    // Device-independent screen coordinates in the screen's pixels, and back.
    QRect ekranda(const QRect& r) const;
    QPoint mantiksal(const QPoint& ekranda) const;
    // What the wrapped interface hands out, as this side hands it on: a widget's interface
    // comes wrapped from Qt's cache, a row gets its wrapper here.
    QAccessibleInterface* sar(QAccessibleInterface* c) const;
    void eskiSatirlariBirak() const;
    bool gizliSatir() const;

    QAccessibleInterface* ic_;
    QAccessible::Id icId_;
    QPointer<QWidget> olcekVeren_; // the widget whose screen sets the scale
    // The rows handed out so far: the wrapped row → the wrapper and its id.
    mutable QHash<QAccessibleInterface*, QPair<OlcekliErisim*, QAccessible::Id>> satirlar_;
    mutable int satirSiniri_ = 256;
};
