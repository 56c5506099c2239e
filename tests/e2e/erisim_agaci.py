#!/usr/bin/python3
# The real program as a screen reader meets it: its accessibility tree over AT-SPI and the
# events a reader reacts to, in a private D-Bus session (started by erisim.sh under Xvfb).
#
#   erisim_agaci.py PROGRAM SHOTS [--sayim]
#
# Checks one table of rules and prints it; rows marked "beklenen hata" belong to work not yet
# in the program (they print XFAIL while they fail and XPASS once they pass, so the mark can
# go). With --sayim it only prints the tree's figures (objects, unnamed interactive objects,
# buttons without a press action, list rows), for comparing two builds.
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, SHOTS = sys.argv[1], sys.argv[2]
SAYIM = "--sayim" in sys.argv
BASLIK = "Orvanel orvanel.example.org"
PAGES = ["Namaz Vakitleri", "Bölgesel Ayarlar", "Genel Ayarlar", "Dax Orvanel Hakkında",
         "Dini Günler"]
# An object of each page that shows only while that page is shown.
SAYFA_IZI = [r"^İmsak \d\d:\d\d$", r"^Şehir Ara$", r"^Açılışta Orvanel", r"^Orvanel Hakkında$",
             r"^Önceki Yıl$|^<$"]
# The six times, each read with its name.
VAKITLER = r"^(İmsak|Güneş|Öğle|İkindi|Akşam|Yatsı) \d\d:\d\d$"
BUTONLAR = {"push button", "toggle button"}
SATIRLAR = {"list item", "table cell", "tree item"}
OLAYLAR = []


def pompa(sure=0.0):
    """Delivers the AT-SPI events that have come (for `sure` seconds at most)."""
    ctx = GLib.MainContext.default()
    son = time.monotonic() + sure
    while True:
        while ctx.pending():
            ctx.iteration(False)
        if time.monotonic() >= son:
            return
        time.sleep(0.02)


def bekle(kosul, sure=20.0, ne="koşul"):
    son = time.monotonic() + sure
    while time.monotonic() < son:
        pompa()
        try:
            sonuc = kosul()
        except Exception:  # an object went away meanwhile: ask again
            sonuc = None
        if sonuc:
            return sonuc
        time.sleep(0.05)
    raise TimeoutError(ne)


def olay(e):
    try:
        OLAYLAR.append((e.type, e.source.getRoleName(), e.source.name, e.detail1, e.source))
    except Exception:
        OLAYLAR.append((e.type, "", "", e.detail1, None))


def durum(o, s):
    return o.getState().contains(s)


def eylemler(o):
    try:
        a = o.queryAction()
        return [a.getName(i) for i in range(a.nActions)]
    except NotImplementedError:
        return []


# Rows of a list are alike: the walk reads the first ones (the place list has thousands).
LISTELER = {"list", "table", "tree", "tree table"}
ORNEK_SATIR = 25


def agac(o, derinlik=0):
    yield o, derinlik
    sayi = o.childCount
    if o.getRoleName() in LISTELER:
        sayi = min(sayi, ORNEK_SATIR)
    for i in range(sayi):
        c = o.getChildAtIndex(i)
        if c is not None:
            yield from agac(c, derinlik + 1)


def uygulama():
    masa = pyatspi.Registry.getDesktop(0)
    for i in range(masa.childCount):
        a = masa.getChildAtIndex(i)
        if a is not None and a.name == "orvanel":
            return a
    return None


def pencere(app):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == BASLIK:
            return w
    return None


def bul(kok, desen, rol=None, gorunur=False):
    for o, _ in agac(kok):
        if re.search(desen, o.name or "") and (rol is None or o.getRoleName() in rol):
            if not gorunur or durum(o, pyatspi.STATE_SHOWING):
                return o
    return None


def sayim(kok):
    """The tree's figures: objects, interactive objects (focusable), those without a name,
    buttons (push/toggle buttons and focusable fillers) without a press action, list rows."""
    nesne = etkilesimli = adsiz = butonsuz = satir = 0
    adsizlar, eylemsizler = [], []
    for o, _ in agac(kok):
        nesne += 1
        rol = o.getRoleName()
        odak = durum(o, pyatspi.STATE_FOCUSABLE)
        if odak:
            etkilesimli += 1
            if not (o.name or "").strip():
                adsiz += 1
                adsizlar.append(rol)
        # A picture button that is no button is a focusable filler without children.
        if rol in BUTONLAR or (odak and rol in {"filler", "unknown"} and o.childCount == 0):
            if not {"Press", "Toggle"} & set(eylemler(o)):
                butonsuz += 1
                eylemsizler.append(o.name or o.description or rol)
        if rol in LISTELER and o.parent.getRoleName() != "combo box":
            if o.childCount and o.getChildAtIndex(0).getRoleName() in SATIRLAR:
                satir += o.childCount
    return {"nesne": nesne, "etkilesimli": etkilesimli, "adsiz": adsiz, "adsizlar": adsizlar,
            "butonsuz": butonsuz, "eylemsizler": eylemsizler, "satir": satir}


class Program:
    def __init__(self, an, olcek=None, karsitlik=False):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", FAKETIME="@" + an,
                   FAKETIME_DONT_FAKE_MONOTONIC="1")
        faketime = subprocess.run("ls /usr/lib/*/faketime/libfaketime.so.1", shell=True,
                                  capture_output=True, text=True).stdout.split()
        if faketime:
            env["LD_PRELOAD"] = faketime[0]
        if olcek:
            env["QT_SCALE_FACTOR"] = olcek
        if karsitlik:
            # qt6ct hands the program a high-contrast palette, as a desktop theme does.
            klasor = os.path.join(os.environ["XDG_CONFIG_HOME"], "qt6ct")
            os.makedirs(klasor, exist_ok=True)
            with open(os.path.join(klasor, "qt6ct.conf"), "w") as f:
                f.write("[Appearance]\ncustom_palette=true\ncolor_scheme_path=%s\nstyle=Fusion\n"
                        % os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                       "yuksek_karsitlik.conf"))
            env["QT_QPA_PLATFORMTHEME"] = "qt6ct"
        self.log = open(os.path.join(os.environ["TMPDIR"], "orvanel.log"), "a")
        self.p = subprocess.Popen([PROGRAM], env=env, stdout=self.log, stderr=self.log)
        self.app = bekle(uygulama, 30, "the program on the accessibility bus")
        self.win = bekle(lambda: pencere(self.app), 30, "the main window in the tree")
        self.x11 = bekle(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(BASLIK) + "$"],
            capture_output=True, text=True).stdout.split(), 30, "the main window on screen")[0]
        # The first frame is drawn and the later pages are built.
        bekle(lambda: bul(self.win, SAYFA_IZI[2]), 30, "the pages")

    def yer(self):
        g = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.x11],
                           capture_output=True, text=True).stdout
        d = dict(s.split("=") for s in g.split())
        return int(d["X"]), int(d["Y"])

    def ekran(self, dosya, w, h):
        """Saves the window (w x h) once two grabs 100 ms apart agree: a slide has ended."""
        x, y = self.yer()
        alan = ["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage"]
        onceki = None
        son = time.monotonic() + 10
        while time.monotonic() < son:
            simdi = subprocess.run(alan + ["rgb:-"], capture_output=True).stdout
            if simdi == onceki:
                break
            onceki = simdi
            time.sleep(0.1)
        subprocess.run(alan + [dosya], check=True)

    def bitir(self):
        self.p.terminate()
        self.p.wait(10)

    def tus(self, *tuslar):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x11], check=False)
        subprocess.run(["xdotool", "key", "--clearmodifiers", *tuslar], check=True)

    def sayfa_gorunur(self, i):
        return bul(self.win, SAYFA_IZI[i], gorunur=True) is not None

    def gosterilen(self):
        return [i for i in range(len(PAGES)) if self.sayfa_gorunur(i)]


SONUCLAR = []


def kural(ad, fn, beklenen_hata=False):
    try:
        ayrinti = fn()
        ok = True
    except (AssertionError, TimeoutError) as e:
        ok, ayrinti = False, str(e)
    except Exception as e:  # e.g. an object the rule needs is missing
        ok, ayrinti = False, "%s: %s" % (type(e).__name__, e)
    if beklenen_hata:
        sonuc = "XPASS" if ok else "XFAIL"
    else:
        sonuc = "PASS" if ok else "FAIL"
    SONUCLAR.append((ad, sonuc, ayrinti or ""))


def odaklanan_adlar(prog, tus, sayi):
    """Presses the key up to `sayi` times, one press per step of the iteration (a caller that
    stops early presses no more); yields the name (and description) of each object that takes
    the focus, as the focus events tell it."""
    for _ in range(sayi):
        OLAYLAR.clear()
        prog.tus(tus)
        e = bekle(lambda: [o for o in OLAYLAR
                           if o[0].startswith("object:state-changed:focused") and o[3] == 1],
                  5, "a focus event after " + tus)
        o = e[-1][4]
        yield re.sub(r"\s+", " ", e[-1][2] or ""), o.description if o else "", o


def main():
    for tur in ["object:state-changed", "object:property-change:accessible-name",
                "object:selection-changed", "object:active-descendant-changed",
                "object:announcement", "window:create", "window:activate", "focus:"]:
        pyatspi.Registry.registerEventListener(olay, tur)

    if SAYIM:
        prog = Program("2026-06-21 10:00:00")
        s = sayim(prog.win)
        # The regional page by a mouse click on its tab, which any build answers.
        subprocess.run(["xdotool", "mousemove", "--window", prog.x11, "61", "317", "click", "1"],
                       check=True)
        # (its method box: an older build names no search box)
        bekle(lambda: bul(prog.win, "", {"combo box"}, gorunur=True), 10, "page 1")
        s["satir"] = sayim(prog.win)["satir"]
        print("nesne %(nesne)d etkilesimli %(etkilesimli)d adsiz_etkilesimli %(adsiz)d "
              "basma_eylemsiz_buton %(butonsuz)d liste_satiri %(satir)d" % s)
        print("adsiz:", s["adsizlar"])
        print("eylemsiz:", s["eylemsizler"])
        prog.bitir()
        return 0

    # 13:00 on 21 June in İstanbul: the warning before Öğle (13:12) comes with the first tick.
    prog = Program("2026-06-21 13:00:00")
    s = sayim(prog.win)

    def adsiz_yok():
        assert s["adsiz"] == 0, "%d unnamed: %s" % (s["adsiz"], s["adsizlar"])
        return "%d interactive objects" % s["etkilesimli"]

    def basma_eylemi():
        assert s["butonsuz"] == 0, "%d without: %s" % (s["butonsuz"], s["eylemsizler"])
        sayi = sum(1 for o, _ in agac(prog.win) if o.getRoleName() in BUTONLAR)
        return "%d buttons" % sayi

    kural("no focusable object without a name", adsiz_yok)
    kural("every button has a press action", basma_eylemi)

    def uyari_duyurusu():
        e = bekle(lambda: [o for o in OLAYLAR if o[1] in {"notification", "alert"} and (
            o[0].startswith("object:state-changed:showing") or o[0].startswith("window:") or
            o[0] == "object:announcement")], 20, "no alert/notification event for the popup")
        return "%s from %s %r" % (e[0][0], e[0][1], e[0][2])

    kural("the warning popup is announced", uyari_duyurusu)

    def eylemle_sayfa():
        for i in (2, 0):
            dugme = bul(prog.win, "^%s$" % re.escape(PAGES[i]), BUTONLAR)
            assert dugme is not None, "no button %r" % PAGES[i]
            a = dugme.queryAction()
            a.doAction(eylemler(dugme).index("Press"))
            bekle(lambda: prog.gosterilen() == [i], 10, "page %d after its button's action" % i)
        return "pages 2 and 0"

    kural("a page button's press action switches the page", eylemle_sayfa)

    def okunur_sonra():
        # A reader keeps the states it has been told of (Orca's review does): after each
        # page switch, what the events have said of every control must be what is true.
        # The library keeps states too, updated by the same events: the truth is asked anew.
        prog.app.clear_cache()
        bilinen = {o: durum(o, pyatspi.STATE_SHOWING) for o, _ in agac(prog.win)}
        yanlis = []
        for i in (2, 0):
            OLAYLAR.clear()
            dugme = bul(prog.win, "^%s$" % re.escape(PAGES[i]), BUTONLAR)
            dugme.queryAction().doAction(eylemler(dugme).index("Press"))
            bekle(lambda: prog.gosterilen() == [i], 10, "page %d" % i)
            pompa(0.5)
            for tur, _, _, deger, kaynak in OLAYLAR:
                if tur.startswith("object:state-changed:showing") and kaynak in bilinen:
                    bilinen[kaynak] = bool(deger)
            prog.app.clear_cache()
            yanlis += ["%s %r on page %d" % (o.getRoleName(), o.name, i)
                       for o, b in bilinen.items() if b != durum(o, pyatspi.STATE_SHOWING)]
        assert not yanlis, "%d controls told wrong: %s" % (len(yanlis), yanlis[:4])
        satirlar = [o for o, _ in agac(prog.win) if re.match(VAKITLER, o.name or "")
                    and durum(o, pyatspi.STATE_SHOWING) and durum(o, pyatspi.STATE_FOCUSABLE)]
        assert len(satirlar) == 6, "focusable times: %s" % [o.name for o in satirlar]
        return "%d objects told right; %s, ..." % (len(bilinen), satirlar[0].name)

    kural("after page switches a reader is told which controls show", okunur_sonra)

    def geri_sayim():
        kalan = bul(prog.win, r"Kalan Süre \d\d:\d\d:\d\d$")
        assert kalan is not None, "no countdown named with its caption"
        assert durum(kalan, pyatspi.STATE_FOCUSABLE), "the countdown is not focusable"
        OLAYLAR.clear()
        ilk = kalan.name
        ikinci = bekle(lambda: kalan.name != ilk and kalan.name, 5, "the countdown moving")
        bekle(lambda: kalan.name not in (ilk, ikinci), 5, "the countdown moving again")
        ad = [o for o in OLAYLAR if o[0].startswith("object:property-change:accessible-name")
              and re.search(r"\d\d:\d\d:\d\d", o[2] or "")]
        assert not ad, "%d name-change events in two seconds" % len(ad)
        return "%r, then %r, no event" % (ilk, kalan.name)

    kural("the countdown is read on demand, not announced every second", geri_sayim)

    # Keyboard paths (xdotool into the window).
    def ctrl_tab():
        prog.tus("alt+1")
        bekle(lambda: prog.gosterilen() == [0], 10, "page 0 after Alt+1")
        gorulen = []
        for beklenen in (1, 2, 0):
            prog.tus("ctrl+shift+Tab" if beklenen == 0 else "ctrl+Tab")
            if beklenen == 0:  # back from 2 to 1, then 0
                bekle(lambda: prog.gosterilen() == [1], 10, "page 1 after Ctrl+Shift+Tab")
                prog.tus("ctrl+shift+Tab")
            bekle(lambda: prog.gosterilen() == [beklenen], 10, "page %d" % beklenen)
            gorulen.append(beklenen)
        odak = []
        for i in (1, 2, 3, 4, 0):
            OLAYLAR.clear()
            prog.tus("alt+%d" % (i + 1))
            bekle(lambda: prog.gosterilen() == [i], 10, "page %d after Alt+%d" % (i, i + 1))
            # The keyboard moves onto the page it opened.
            e = bekle(lambda: [o for o in OLAYLAR
                               if o[0].startswith("object:state-changed:focused") and o[3] == 1],
                      5, "a focus event after Alt+%d" % (i + 1))
            o, atalar = e[-1][4], []
            while o is not None:
                atalar.append((o.getRoleName(), o.name))
                o = o.parent
            assert any(r in ("panel", "filler") and a == PAGES[i] for r, a in atalar), \
                "after Alt+%d the focus is on %r, not on the page: %s" % (i + 1, e[-1][2], atalar)
            odak.append(re.sub(r"\s+", " ", e[-1][2] or ""))
        return "Ctrl+Tab 0→1→2, Ctrl+Shift+Tab 2→1→0, Alt+2..5,1 focus on " + " | ".join(odak)

    kural("Ctrl+Tab / Ctrl+Shift+Tab and Alt+1..5 switch pages", ctrl_tab)

    def sekme_sirasi():
        prog.tus("alt+2")  # the search box takes the focus
        bekle(lambda: prog.gosterilen() == [1], 10, "page 1")
        adlar = [a for a, _, _ in odaklanan_adlar(prog, "Tab", 8)]
        assert "Uyarı Dakikası" in adlar, "the minutes box never took the focus: %s" % adlar
        i = adlar.index("Uyarı Dakikası")
        assert i > 0 and adlar[i - 1].startswith("Vakit girmeden"), \
            "before the minutes box: %r (%s)" % (adlar[i - 1] if i else None, adlar)
        return " → ".join(adlar)

    kural("Tab order: the minutes box right after its check box", sekme_sirasi)

    def tarih_etiketi():
        prog.tus("alt+1")
        bekle(lambda: prog.gosterilen() == [0], 10, "page 0")
        yol = []
        for ad, aciklama, o in odaklanan_adlar(prog, "Tab", 30):
            yol.append(ad)
            if aciklama == "Tarih Seç":
                break
        else:
            raise AssertionError("Tab never reached a date label")
        prog.tus("Return")
        bekle(lambda: bul(prog.win, "^Tarih$", {"text", "entry"}, gorunur=True), 10,
              "the date panel after Enter on %r (Tab: %s)" % (ad, " → ".join(yol)))
        return "Enter on %r opens the date panel" % ad

    kural("Enter on a date label opens the date panel", tarih_etiketi)

    def liste_satirlari():
        prog.tus("alt+2")
        bekle(lambda: prog.gosterilen() == [1], 10, "page 1")

        def satir_odagi():
            return [o[2] for o in OLAYLAR if o[1] in SATIRLAR and
                    o[0].startswith("object:state-changed:focused") and o[3] == 1]
        # The search's row is spoken as it is found; Down in the list: the next row is, and
        # it is selected.
        OLAYLAR.clear()
        subprocess.run(["xdotool", "type", "--delay", "20", "ankara"], check=True)
        ilk = bekle(satir_odagi, 10, "no row was told after the search")[-1]
        satirlar = [o for o, _ in agac(prog.win) if o.getRoleName() in SATIRLAR and
                    o.parent.parent.getRoleName() != "combo box"]
        assert satirlar, "the place list exposes no rows"
        toplam = satirlar[0].parent.childCount
        prog.tus("Tab")
        bekle(lambda: [o for o in OLAYLAR if o[0].startswith("focus:") and o[1] == "list"],
              10, "the list never took the focus")
        OLAYLAR.clear()
        prog.tus("Down")
        sonraki = bekle(satir_odagi, 10, "no row took the focus after Down")[-1]
        assert ilk == "Türkiye, Ankara" and sonraki.startswith("Türkiye, ") and sonraki != ilk, \
            "rows spoken: %r, %r" % (ilk, sonraki)
        bekle(lambda: any(o[0].startswith("object:state-changed:selected") and o[2] == sonraki
                          for o in OLAYLAR), 10, "no selection event for %r" % sonraki)
        return "%d rows (the first %r); %s → %s" % (toplam, satirlar[0].name, ilk, sonraki)

    kural("the list's rows are exposed with a selection event on arrow keys", liste_satirlari)
    prog.bitir()

    # Twice the size: the positions a magnifier gets are the screen's.
    prog = Program("2026-06-21 10:00:00", "2")

    def olcekli_yer():
        x, y = prog.yer()
        w, h = 2 * 484, 2 * 682
        dugme = bul(prog.win, "^Her Zaman Üstte$", BUTONLAR)
        k = dugme.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        beklenen = (x + 2 * 188, y + 2 * 6, 48, 48)
        assert all(abs(a - b) <= 2 for a, b in zip((k.x, k.y, k.width, k.height), beklenen)), \
            "pin button at %s, on screen at %s" % ((k.x, k.y, k.width, k.height), beklenen)
        prog.ekran(os.path.join(SHOTS, "erisim_x2.png"), w, h)
        # Everything shown on the times page and on the regional one (Qt's own edit boxes,
        # check boxes, combo box, the list and its rows among them) lies inside the window.
        disarida, sayilan = [], 0
        for tus, sayfa in (("alt+1", 0), ("alt+2", 1)):
            prog.tus(tus)
            bekle(lambda: prog.sayfa_gorunur(sayfa), 10, "page %d" % (sayfa + 1))
            for o, _ in agac(prog.win):
                if not durum(o, pyatspi.STATE_SHOWING) or o == prog.win:
                    continue
                e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                if e.width <= 0 or e.height <= 0:
                    continue
                sayilan += 1
                if (e.x < x - 2 or e.y < y - 2 or e.x + e.width > x + w + 2
                        or e.y + e.height > y + h + 2):
                    disarida.append("%s %r at %d,%d %dx%d" % (o.getRoleName(), o.name, e.x, e.y,
                                                               e.width, e.height))
        assert not disarida, "outside the window at %d,%d %dx%d: %s" % (
            x, y, w, h, "; ".join(disarida[:6]))
        # A point on the screen leads back to what is drawn there.
        kutu = bul(prog.win, "^Uyarı Dakikası$", {"text"})
        e = kutu.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        orta = (e.x + e.width // 2, e.y + e.height // 2)
        bulunan = kutu.parent.queryComponent().getAccessibleAtPoint(*orta, pyatspi.DESKTOP_COORDS)
        assert bulunan is not None and bulunan.name == kutu.name, \
            "at %s (the minutes box) the reader finds %r" % (orta, bulunan and bulunan.name)
        # Its characters, where the caret is followed.
        m = kutu.queryText()
        h = m.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
        assert e.x <= h[0] and h[0] + h[2] <= e.x + e.width and e.y <= h[1] and \
            h[1] + h[3] <= e.y + e.height and h[2] > 0, \
            "the minutes box's first character at %s, the box at %s" % (
                h, (e.x, e.y, e.width, e.height))
        assert m.getOffsetAtPoint(h[0] + h[2] // 2, h[1] + h[3] // 2, pyatspi.DESKTOP_COORDS) == 0
        liste = bul(prog.win, "^Şehirler$", LISTELER)
        e = liste.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        orta = (e.x + e.width // 2, e.y + e.height // 2)
        satir = liste.queryComponent().getAccessibleAtPoint(*orta, pyatspi.DESKTOP_COORDS)
        s = satir and satir.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        assert s and s.x <= orta[0] < s.x + s.width and s.y <= orta[1] < s.y + s.height, \
            "at %s (the list's middle) the reader finds %r at %s" % (
                orta, satir and satir.name, s and (s.x, s.y, s.width, s.height))
        return "%d objects inside the window; pin button at %d,%d %dx%d; row %r at %d,%d" % (
            sayilan, k.x, k.y, k.width, k.height, satir.name, s.x, s.y)

    kural("accessible positions are the screen's under QT_SCALE_FACTOR=2", olcekli_yer)
    prog.bitir()

    # A high-contrast theme: what the theme draws takes its colours; the texts on the skin keep
    # the skin's dark grey, or white on the near-white panels would vanish.
    prog = Program("2026-06-21 10:00:00", karsitlik=True)

    def karsitlik():
        parcalar, koyu = [], []
        for i in (0, 1, 2):
            prog.tus("alt+%d" % (i + 1))
            bekle(lambda: prog.gosterilen() == [i], 10, "page %d" % i)
            parcalar.append(os.path.join(os.environ["TMPDIR"], "karsitlik_%d.png" % i))
            prog.ekran(parcalar[-1], 242, 341)
        # The check boxes' captions of the general page, right of their boxes: the share of
        # dark pixels (about a tenth for dark text).
        oran = 1 - float(subprocess.run(
            ["convert", parcalar[2], "-crop", "190x70+32+114", "-colorspace", "Gray",
             "-threshold", "50%", "-format", "%[fx:mean]", "info:"],
            capture_output=True, text=True, check=True).stdout)
        subprocess.run(["convert", *parcalar, "+append",
                        os.path.join(SHOTS, "erisim_karsitlik.png")], check=True)
        assert oran > 0.03, "the check boxes' captions are not dark: %.3f dark" % oran
        return "captions %.3f dark" % oran

    kural("under a high-contrast theme the skin's texts keep its dark colour", karsitlik)
    prog.bitir()

    genislik = max(len(a) for a, _, _ in SONUCLAR)
    for ad, sonuc, ayrinti in SONUCLAR:
        print("%-*s  %-5s  %s" % (genislik, ad, sonuc, ayrinti))
    print("figures: objects %(nesne)d, interactive %(etkilesimli)d, unnamed interactive "
          "%(adsiz)d, buttons without press %(butonsuz)d, list rows %(satir)d" % s)
    return 1 if any(r == "FAIL" for _, r, _ in SONUCLAR) else 0


if __name__ == "__main__":
    sys.exit(main())
