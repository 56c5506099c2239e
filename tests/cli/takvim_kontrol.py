# Reads a file of `orvanel-cli ics` with the icalendar module and checks it against the
# month's CSV: python3 takvim_kontrol.py ZONE MONTH.csv FILE.ics SECOND_RUN.ics
# Prints "<events> olay, <alarms> uyarı <triggers> | <locations>", then the UIDs; a broken
# rule ends it with an AssertionError.
import csv, datetime, re, sys, zoneinfo
import icalendar

bolge = zoneinfo.ZoneInfo(sys.argv[1])
with open(sys.argv[2], encoding="utf-8") as f:
    gunler = list(csv.DictReader(f))
ham = open(sys.argv[3], "rb").read()
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
olaylar = takvim.walk("VEVENT")
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
uidler = [str(o["UID"]) for o in olaylar]
ikinci = icalendar.Calendar.from_ical(open(sys.argv[4], "rb").read()).walk("VEVENT")
assert len(set(uidler)) == len(uidler) and uidler == [str(o["UID"]) for o in ikinci]
yerler = sorted({str(o["LOCATION"]) for o in olaylar})
print(f"{len(olaylar)} olay, {len(uyarilar)} uyarı {' '.join(tetikler)} | {' / '.join(yerler)}")
print("\n".join(uidler))
