# Reads a file of `orvanel-cli ics` with the icalendar module and checks it against the
# month's CSV: python3 takvim_kontrol.py ZONE MONTH.csv FILE.ics SECOND_RUN.ics
# Prints "<events> olay, <alarms> uyarı <triggers> | <locations>", then the UIDs.
# A file of `orvanel-cli religious-days --ics` and its --json output are checked against the
# command's plain lines: python3 takvim_kontrol.py --dini DAYS.txt FILE.ics SECOND_RUN.ics DAYS.json
# Prints "<events> tüm gün olayı, <nights> gece", then the UIDs. A broken rule ends it with an
# AssertionError.
import csv, datetime, json, re, sys, zoneinfo
import icalendar


def takvim_oku(yol):
    """The file's lines as RFC 5545 wants them, then the calendar's events."""
    ham = open(yol, "rb").read()
    assert ham.endswith(b"\r\n") and b"\n" not in ham.replace(b"\r\n", b"")
    for satir in ham.split(b"\r\n"):
        assert len(satir) <= 75, satir
        satir.decode("utf-8")  # a fold cut no character
    for satir in ham.replace(b"\r\n ", b"").split(b"\r\n"):
        ad, _, deger = satir.partition(b":")
        if ad in (b"SUMMARY", b"LOCATION", b"DESCRIPTION"):  # TEXT: no bare , or ;
            assert re.fullmatch(rb"([^\\;,]|\\[\\;,nN])*", deger), satir
    takvim = icalendar.Calendar.from_ical(ham)
    assert (takvim["VERSION"], takvim["CALSCALE"]) == ("2.0", "GREGORIAN") and takvim["PRODID"]
    return takvim.walk("VEVENT")


def ayni_uidler(olaylar, ikinci_yol):
    uidler = [str(o["UID"]) for o in olaylar]
    ikinci = takvim_oku(ikinci_yol)
    assert len(set(uidler)) == len(uidler) and uidler == [str(o["UID"]) for o in ikinci]
    return uidler


def dini_gunler(satirlar_yol, ics_yol, ikinci_yol, json_yol):
    with open(satirlar_yol, encoding="utf-8") as f:
        satirlar = [s.rstrip("\n").split("\t") for s in f if s.strip()]
    olaylar = takvim_oku(ics_yol)
    with open(json_yol, encoding="utf-8") as f:
        nesneler = json.load(f)
    assert len(olaylar) == len(satirlar) == len(nesneler)
    for olay, nesne, (tarih, _, ad, hicri) in zip(olaylar, nesneler, satirlar):
        gun = datetime.date.fromisoformat(tarih)
        assert olay["DTSTART"].params["VALUE"] == "DATE", olay
        bas, son = olay.decoded("DTSTART"), olay.decoded("DTEND")
        assert type(bas) is datetime.date and son - bas == datetime.timedelta(days=1), olay
        assert (bas, str(olay["SUMMARY"]), str(olay["DESCRIPTION"])) == (gun, ad, hicri), olay
        gece = ad.endswith("Kandili") or ad.endswith("Gecesi")
        assert nesne == {"date": tarih, "name": ad, "hijri": hicri, "evening": gece}, nesne
    uidler = ayni_uidler(olaylar, ikinci_yol)
    print(f"{len(olaylar)} tüm gün olayı, {sum(n['evening'] for n in nesneler)} gece")
    print("\n".join(uidler))


def ay(bolge_adi, csv_yol, ics_yol, ikinci_yol):
    bolge = zoneinfo.ZoneInfo(bolge_adi)
    with open(csv_yol, encoding="utf-8") as f:
        gunler = list(csv.DictReader(f))
    olaylar = takvim_oku(ics_yol)
    assert len(olaylar) == 6 * len(gunler)
    anahtarlar = ["imsak", "gunes", "ogle", "ikindi", "aksam", "yatsi"]
    adlar = ["İmsak", "Güneş", "Öğle", "İkindi", "Akşam", "Yatsı"]
    onceki = None
    for n, olay in enumerate(olaylar):
        gun, i = gunler[n // 6], n % 6
        an = olay.decoded("DTSTART")
        assert all(olay[a].to_ical().endswith(b"Z") for a in ("DTSTART", "DTSTAMP")), n
        assert olay.decoded("DURATION") == datetime.timedelta(0)
        # The place's clock shows the CSV's minute; one past midnight falls on the next day.
        yerel = an.astimezone(bolge)
        assert (olay["SUMMARY"], yerel.strftime("%H:%M")) == (adlar[i], gun[anahtarlar[i]]), (n, yerel)
        assert (yerel.date() - datetime.date.fromisoformat(gun["tarih"])).days in (0, 1), (n, yerel)
        assert onceki is None or an > onceki, (n, yerel)
        onceki = an
    uyarilar = [a for o in olaylar for a in o.walk("VALARM") if a["ACTION"] == "DISPLAY"]
    assert all(a["DESCRIPTION"] for a in uyarilar)
    tetikler = sorted({a["TRIGGER"].to_ical().decode() for a in uyarilar}) or ["-"]
    uidler = ayni_uidler(olaylar, ikinci_yol)
    yerler = sorted({str(o["LOCATION"]) for o in olaylar})
    print(f"{len(olaylar)} olay, {len(uyarilar)} uyarı {' '.join(tetikler)} | {' / '.join(yerler)}")
    print("\n".join(uidler))


if sys.argv[1] == "--dini":
    dini_gunler(*sys.argv[2:6])
else:
    ay(*sys.argv[1:5])
