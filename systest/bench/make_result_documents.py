#!/usr/bin/python3
"""Makes a folder of result documents, as a site collects them from -json runs, for the summary's
benchmark: many machines, some of them checked several times (at other instants, under other UTC
offsets, with their name in other letter case), every kind of verdict, cards, drivers, checker
versions, both languages, and a few files that are no readable document. The same seed gives the
same bytes.

    make_result_documents.py FOLDER [--count N] [--seed S] [--expect PATH]

FOLDER is made and must not exist yet. N files (default 10000) named *.json, a few of them broken,
plus one file that is not *.json. With --expect, PATH gets what the page should show: the totals
of the machines by class and the number of files that cannot be read. Prints one line: files,
bytes, documents, machines.
"""
import argparse
import datetime
import json
import pathlib
import random
import sys

PRODUCTS = [  # (product name, year, build date, checker versions, oldest first)
    ("Velkora 2018", "2018", "27.06.17", ["1.0.0.0", "1.0.1.12", "1.0.2.31"]),
    ("Velkora 2019", "2019", "14.05.18", ["1.1.0.40", "1.1.2.57"]),
]

# caption, PCI vendor and device, memoryBytes, driver versions (oldest first) with their dates,
# whether the card is certified
CARDS = [
    ("NVIDIA Quadro P2000", "10DE", "1C30", 4293918720,
     [("27.21.14.5671", "2021-04-14"), ("30.0.15.1179", "2022-01-31"), ("31.0.15.1659", "2022-07-11")], True),
    ("NVIDIA Quadro K620", "10DE", "13BB", 2147483648,
     [("26.21.14.4250", "2020-02-05"), ("27.21.14.5671", "2021-04-14")], True),
    ("NVIDIA RTX A2000", "10DE", "2531", 4293918720,
     [("30.0.15.1179", "2022-01-31"), ("31.0.15.3623", "2023-06-23")], True),
    ("NVIDIA RTX A4000", "10DE", "24B0", 4293918720,
     [("30.0.14.9649", "2021-11-10"), ("31.0.15.1659", "2022-07-11")], True),
    ("NVIDIA GeForce GTX 1060 6GB", "10DE", "1C03", 4293918720, [("31.0.15.3640", "2023-06-29")], False),
    ("NVIDIA GeForce RTX 3060", "10DE", "2504", 4293918720, [("31.0.15.4601", "2023-10-11")], False),
    ("AMD Radeon Pro W5500", "1002", "7341", 4278190080,
     [("27.20.21003.8013", "2021-06-02"), ("30.0.13044.3001", "2022-09-14")], True),
    ("AMD Radeon\u2122 Pro WX 3200 Series", "1002", "6981", 4278190080, [("30.0.13044.3001", "2022-09-14")], True),
    ("Radeon (TM) RX 480 Graphics", "1002", "67DF", 4278190080, [("27.20.14501.18003", "2021-03-02")], False),
    ("Intel(R) UHD Graphics 630", "8086", "3E92", 1073741824,
     [("26.20.100.7325", "2019-10-09"), ("27.20.100.9316", "2021-03-04"), ("31.0.101.2111", "2022-09-30")], True),
    ("Intel(R) Iris(R) Xe Graphics", "8086", "9A49", 1073741824, [("31.0.101.4502", "2023-06-21")], True),
    ("Intel(R) HD Graphics 4600", "8086", "0412", 2147483648, [("20.19.15.5107", "2019-11-07")], False),
    ("Microsoft Basic Display Adapter", "1414", "008C", 0, [("10.0.19041.3636", "2006-06-21")], False),
    ("VMware SVGA 3D", "15AD", "0405", 134217728, [("9.17.6.3", "2023-02-08")], False),
]

OPERATING_SYSTEMS = [  # display name, support code, verdict kind
    ("Microsoft Windows 10 Pro 64-bit (Build 19045)", "+", "supported"),
    ("Microsoft Windows 10 Enterprise 64-bit (Build 19044)", "+", "supported"),
    ("Microsoft Windows 11 Pro 64-bit (Build 22631)", "N", "newer"),
    ("Microsoft Windows 8.1 Pro 64-bit (Build 9600)", "+", "notRecommended"),
    ("Microsoft Windows 7 Professional Service Pack 1 64-bit (Build 7601)", "-", "unsupported"),
    ("Microsoft Windows Server 2016 Standard 64-bit (Build 14393)", "+", "supported"),
    ("Microsoft Windows Server 2012 R2 Datacenter 64-bit (Build 9600)", "+", "notRecommended"),
]

# The language modules' texts by key; %s and %d as the program fills them.
TEXTS = {
    "en": {
        "label": {1: "Not met", 2: "Warning", 3: "Met", 4: "Met", 5: "Notice", 6: "Unknown"},
        "header": "Computer \u201c{name}\u201d, checked on {when}, Velkora {year} System Check (build {build})",
        "osUnsupported": "This operating system is not supported.",
        "osSupported": "The operating system is supported.",
        "osNewer": "This operating system is newer than the product and has not been tested with it.",
        "osNotRecommended": "This operating system works but is not recommended.",
        "osNotIdentified": "The operating system could not be identified and was not checked.",
        "cpuNo": "The processor does not support the SSE2 instructions.",
        "cpuYes": "The processor supports the SSE and SSE2 instructions.",
        "diskLow": "Drive {drive}: has less than {gb} GB of free space.",
        "diskOk": "Drive {drive}: has at least {gb} GB of free space.",
        "vramLow": "The video memory of {card} is below {what}.",
        "vramOk": "The video memory of {card} meets {what}.",
        "vramUnknown": "The video memory of {card} could not be determined and was not checked.",
        "vramWhat": "the minimum of {mb} MB",
        "mem4": "Less than 4 GB of memory is installed.",
        "mem16": "Less than 16 GB of memory is installed; 16 GB are recommended.",
        "memEq": "16 GB of memory are installed.",
        "memMore": "More than 16 GB of memory are installed.",
        "memUnknown": "The installed memory could not be determined.",
        "screenLow": "The screen resolution is below {w} x {h}.",
        "screenOk": "The screen resolution is at least {w} x {h}.",
        "sum1": "This workstation does not meet the requirements of {product}.",
        "sum2": "This workstation meets the minimum requirements of {product}; please read the warnings.",
        "sum3": "This workstation meets the requirements of {product}.",
        "sum6": "Nothing could be judged on this workstation.",
        "cardNo": "The graphics card {card} is not certified.",
        "cardDriver": "The graphics card is certified, but not with the installed driver.",
        "driverNotFor": "The graphics card is certified, but the installed driver is not certified for {product}.",
        "driverOld": "Driver version {a}.{b} is installed; version {c}.{d} or later is required.",
        "cardOk": "The graphics card and its driver are supported.",
        "notIdentical": "The graphics adapters of this computer are not identical.",
        "switchable": "The graphics hardware is supported (switchable graphics).",
        "listReplaced": "The graphics card list was replaced and the graphics test was repeated.",
        "closing": "These results are a guide; the full system requirements of the product still apply.",
        "timeout": "The graphics test did not finish within {s} seconds and was stopped.",
        "notStarted": "The graphics test (Zentoli.exe) could not be started; the graphics hardware was not checked.",
        "abnormal": "The graphics test ended abnormally (exit code 0x{code}); the graphics hardware was not checked.",
        "adapterUnknown": "The graphics adapter could not be identified; its video memory, card and driver were not checked.",
        "listNotRead": "The list of certified graphics cards could not be read; the graphics card was not checked against it.",
        "noDesktop": "The graphics hardware could not be checked without a user's desktop (the check ran in a "
                     "service session); run the check in the user's session.",
        "driverDetail": " (card {card}, driver {version})",
    },
    "de": {
        "label": {1: "Nicht erf\u00fcllt", 2: "Warnung", 3: "Erf\u00fcllt", 4: "Erf\u00fcllt", 5: "Hinweis",
                  6: "Unbekannt"},
        "header": "Computer \u201e{name}\u201c, gepr\u00fcft am {when}, Velkora {year} Systempr\u00fcfung (Build {build})",
        "osUnsupported": "Dieses Betriebssystem wird nicht unterst\u00fctzt.",
        "osSupported": "Das Betriebssystem wird unterst\u00fctzt.",
        "osNewer": "Dieses Betriebssystem ist neuer als das Produkt und wurde damit nicht getestet.",
        "osNotRecommended": "Dieses Betriebssystem funktioniert, wird aber nicht empfohlen.",
        "osNotIdentified": "Das Betriebssystem konnte nicht ermittelt werden und wurde nicht gepr\u00fcft.",
        "cpuNo": "Der Prozessor unterst\u00fctzt die SSE2-Befehle nicht.",
        "cpuYes": "Der Prozessor unterst\u00fctzt die SSE- und SSE2-Befehle.",
        "diskLow": "Laufwerk {drive}: hat weniger als {gb} GB freien Speicher.",
        "diskOk": "Laufwerk {drive}: hat mindestens {gb} GB freien Speicher.",
        "vramLow": "Der Grafikspeicher von {card} liegt unter {what}.",
        "vramOk": "Der Grafikspeicher von {card} erf\u00fcllt {what}.",
        "vramUnknown": "Der Grafikspeicher von {card} konnte nicht ermittelt werden und wurde nicht gepr\u00fcft.",
        "vramWhat": "das Minimum von {mb} MB",
        "mem4": "Es sind weniger als 4 GB Arbeitsspeicher eingebaut.",
        "mem16": "Es sind weniger als 16 GB Arbeitsspeicher eingebaut; empfohlen sind 16 GB.",
        "memEq": "Es sind 16 GB Arbeitsspeicher eingebaut.",
        "memMore": "Es sind mehr als 16 GB Arbeitsspeicher eingebaut.",
        "memUnknown": "Der eingebaute Arbeitsspeicher konnte nicht ermittelt werden.",
        "screenLow": "Die Bildschirmaufl\u00f6sung liegt unter {w} x {h}.",
        "screenOk": "Die Bildschirmaufl\u00f6sung betr\u00e4gt mindestens {w} x {h}.",
        "sum1": "Dieser Arbeitsplatz erf\u00fcllt die Anforderungen von {product} nicht.",
        "sum2": "Dieser Arbeitsplatz erf\u00fcllt die Mindestanforderungen von {product}; bitte beachten Sie "
                "die Warnungen.",
        "sum3": "Dieser Arbeitsplatz erf\u00fcllt die Anforderungen von {product}.",
        "sum6": "Auf diesem Arbeitsplatz konnte nichts beurteilt werden.",
        "cardNo": "Die Grafikkarte {card} ist nicht zertifiziert.",
        "cardDriver": "Die Grafikkarte ist zertifiziert, aber nicht mit dem installierten Treiber.",
        "driverNotFor": "Die Grafikkarte ist zertifiziert, aber der installierte Treiber ist f\u00fcr {product} "
                        "nicht zertifiziert.",
        "driverOld": "Installiert ist die Treiberversion {a}.{b}; erforderlich ist Version {c}.{d} oder neuer.",
        "cardOk": "Die Grafikkarte und ihr Treiber werden unterst\u00fctzt.",
        "notIdentical": "Die Grafikadapter dieses Computers sind nicht identisch.",
        "switchable": "Die Grafikhardware wird unterst\u00fctzt (umschaltbare Grafik).",
        "listReplaced": "Die Grafikkartenliste wurde ersetzt und der Grafiktest wiederholt.",
        "closing": "Diese Ergebnisse sind eine Orientierung; es gelten die vollst\u00e4ndigen Systemanforderungen "
                   "des Produkts.",
        "timeout": "Der Grafiktest wurde nicht innerhalb von {s} Sekunden fertig und wurde abgebrochen.",
        "notStarted": "Der Grafiktest (Zentoli.exe) konnte nicht gestartet werden; die Grafikhardware wurde "
                      "nicht gepr\u00fcft.",
        "abnormal": "Der Grafiktest endete unerwartet (Exitcode 0x{code}); die Grafikhardware wurde nicht "
                    "gepr\u00fcft.",
        "adapterUnknown": "Der Grafikadapter konnte nicht ermittelt werden; sein Grafikspeicher, die Karte und "
                          "der Treiber wurden nicht gepr\u00fcft.",
        "listNotRead": "Die Liste der zertifizierten Grafikkarten konnte nicht gelesen werden; die Grafikkarte "
                       "wurde nicht mit ihr verglichen.",
        "noDesktop": "Die Grafikhardware konnte ohne den Desktop eines Benutzers nicht gepr\u00fcft werden (die "
                     "Pr\u00fcfung lief in einer Dienstsitzung); starten Sie die Pr\u00fcfung in der Sitzung des "
                     "Benutzers.",
        "driverDetail": " (Karte {card}, Treiber {version})",
    },
}

# Computer names: sites and kinds of machine, and a few personal ones, some not ASCII.
SITES = ["MUC", "HAM", "BER", "STR", "WIE", "ZRH", "LYO", "BCN", "MIL", "AUS", "DET", "PUN", "SHA", "NAG"]
KINDS = ["WS", "CAD", "KONSTR", "ENG", "LAP", "PC", "DESIGN", "FEM"]
PEOPLE = ["M\u00dcLLER", "J\u00d6RG", "BJ\u00d6RN", "JOS\u00c9", "FRAN\u00c7OIS", "\u0141UKASZ", "SEDL\u00c1\u010cEK",
          "NAKAMURA", "O'BRIEN", "GARC\u00cdA", "STRA\u00dfE", "\u00c5SA", "\u00d8STERG\u00c5RD", "KOWALSKI"]
OFFSETS = {  # a site's UTC offsets in minutes: winter, summer
    "MUC": (60, 120), "HAM": (60, 120), "BER": (60, 120), "STR": (60, 120), "WIE": (60, 120),
    "ZRH": (60, 120), "LYO": (60, 120), "BCN": (60, 120), "MIL": (60, 120), "AUS": (-360, -300),
    "DET": (-300, -240), "PUN": (330, 330), "SHA": (480, 480), "NAG": (540, 540),
}
START = datetime.datetime(2026, 9, 1, tzinfo=datetime.timezone.utc)
SPAN_SECONDS = 100 * 24 * 3600
SUMMER_ENDS = datetime.datetime(2026, 10, 25, 1, tzinfo=datetime.timezone.utc)


def ascii_lower(text):
    """The machine's key: letter case of ASCII letters only does not count."""
    return "".join(c.lower() if c.isascii() else c for c in text)


def ascii_upper(text):
    return "".join(c.upper() if c.isascii() else c for c in text)


def make_machines(rng, count):
    machines, keys = [], set()
    while len(machines) < count:
        site = rng.choice(SITES)
        roll = rng.random()
        if roll < 0.06:
            name = f"LAPTOP-{rng.choice(PEOPLE)}{rng.randint(1, 99)}"
        elif roll < 0.55:
            name = f"{rng.choice(KINDS)}-{site}-{rng.randint(1, 999):03d}"
        else:
            name = f"{site}{rng.choice(KINDS)}{rng.randint(1, 9999):04d}"
        if ascii_lower(name) in keys:
            continue
        keys.add(ascii_lower(name))
        card = rng.choices(CARDS, weights=[9, 5, 7, 4, 3, 2, 4, 2, 1, 8, 5, 2, 1, 1])[0]
        machines.append({
            "name": name,
            "site": site,
            "language": "de" if site in ("MUC", "HAM", "BER", "STR", "WIE", "ZRH") or rng.random() < 0.1 else "en",
            "card": card,
            "driver": rng.randrange(len(card[4])),
            "os": rng.choices(OPERATING_SYSTEMS, weights=[40, 20, 10, 4, 3, 3, 2])[0],
            "memory": rng.choices(["mem4", "mem16", "memEq", "memMore"], weights=[2, 12, 40, 46])[0],
            "product": rng.choices(range(len(PRODUCTS)), weights=[3, 2])[0],
            "desktop": rng.random() > 0.03,
            "pnp": f"PCI\\VEN_{card[1]}&DEV_{card[2]}&SUBSYS_{rng.getrandbits(32):08X}&REV_A1\\"
                   f"4&{rng.getrandbits(28):07X}&0&00{rng.choice(['08', 'E0', 'E4', '10'])}",
        })
    return machines


def local_time(rng, machine, appearance):
    instant = START + datetime.timedelta(seconds=rng.randrange(SPAN_SECONDS))
    winter, summer = OFFSETS[machine["site"]]
    offset = summer if instant < SUMMER_ENDS else winter
    if machine["name"].startswith("LAPTOP") and appearance > 0 and rng.random() < 0.5:
        offset = rng.choice([0, -300, 330, 540, 60, 120])  # on a journey
    elif rng.random() < 0.02:
        offset = 0  # a clock set to UTC
    local = instant.astimezone(datetime.timezone(datetime.timedelta(minutes=offset)))
    stamp = local.strftime("%Y-%m-%dT%H:%M:%S")
    if offset == 0:
        stamp += "Z"
    else:
        stamp += f"{'-' if offset < 0 else '+'}{abs(offset) // 60:02d}:{abs(offset) % 60:02d}"
    return instant, local, stamp


def row(texts, check_id, severity, text, report_text=None, counts=True):
    return {"id": check_id, "severity": severity,
            "verdict": {1: "notMet", 2: "warning", 5: "warning", 3: "met", 4: "met"}.get(severity, "unknown"),
            "label": texts["label"][severity], "text": text,
            "reportText": text if report_text is None else report_text, "countsForSummary": counts}


def make_document(rng, machine, appearance):
    """One run of a machine; the later in the period, the likelier a newer checker and driver."""
    language = machine["language"]
    texts = TEXTS[language]
    instant, local, stamp = local_time(rng, machine, appearance)
    later = (instant - START).total_seconds() / SPAN_SECONDS
    product_name, year, build, versions = PRODUCTS[machine["product"]]
    checker = versions[min(len(versions) - 1, int(later * len(versions) + rng.random() * 0.7))]
    caption, _, _, memory_bytes, drivers, certified = machine["card"]
    driver_index = min(len(drivers) - 1, machine["driver"] + (1 if later > 0.5 and rng.random() < 0.6 else 0))
    driver_version, driver_date = drivers[driver_index]
    os_name, support_code, os_kind = machine["os"]
    name = machine["name"]
    if appearance > 0 and rng.random() < 0.2:
        name = ascii_lower(name) if rng.random() < 0.5 else ascii_upper(name)  # typed anew on that machine
    when = local.strftime("%d.%m.%Y %H:%M:%S" if language == "de" else "%Y-%m-%d %H:%M:%S")

    checks, diagnostics = [], {"exitCode": 0, "code": 0, "started": True, "timedOut": False,
                               "timeLimitSeconds": 120}
    adapter = {"caption": caption, "memoryBytes": memory_bytes, "driverVersion": driver_version,
               "driverDate": driver_date, "pnpDeviceId": machine["pnp"], "adaptersDiffer": False}
    summary = None
    cancelled = rng.random() < 0.015
    nothing_judged = not cancelled and rng.random() < 0.004
    if cancelled:
        diagnostics = {"exitCode": None, "code": 7, "started": False, "timedOut": False, "timeLimitSeconds": 120}
    elif nothing_judged:
        for check_id in ("operatingSystem", "processor", "memory", "diskSpace", "screen"):
            checks.append(row(texts, check_id, 6, texts["memUnknown"] if check_id == "memory" else ""))
    else:
        if rng.random() < 0.01:
            checks.append(row(texts, "operatingSystemNotIdentified", 2, texts["osNotIdentified"]))
            os_name = support_code = None
        else:
            severity, key = {"supported": (3, "osSupported"), "newer": (2, "osNewer"),
                             "notRecommended": (5, "osNotRecommended"), "unsupported": (1, "osUnsupported")}[os_kind]
            checks.append(row(texts, "operatingSystem", severity, texts[key]))
        if rng.random() < 0.005:
            checks.append(row(texts, "processor", 1, texts["cpuNo"]))
        else:
            checks.append(row(texts, "processor", 3, texts["cpuYes"]))
        memory = machine["memory"] if rng.random() > 0.01 else "memUnknown"
        checks.append(row(texts, "memory", {"mem4": 1, "mem16": 2, "memEq": 3, "memMore": 4, "memUnknown": 6}[memory],
                          texts[memory]))
        drive = rng.choice(["C", "C", "C", "D"])
        if rng.random() < 0.06:
            checks.append(row(texts, "diskSpace", 1, texts["diskLow"].format(drive=drive, gb=20)))
        else:
            checks.append(row(texts, "diskSpace", 3, texts["diskOk"].format(drive=drive, gb=20)))
        if rng.random() < 0.04:
            checks.append(row(texts, "screen", 1, texts["screenLow"].format(w=1920, h=1080)))
        else:
            checks.append(row(texts, "screen", 3, texts["screenOk"].format(w=1920, h=1080)))

        if not machine["desktop"]:
            checks.append(row(texts, "graphicsWithoutDesktop", 2, texts["noDesktop"]))
            diagnostics = {"exitCode": None, "code": 7, "started": False, "timedOut": False, "timeLimitSeconds": 120}
        else:
            end = rng.choices(["verdict", "timeout", "notStarted", "abnormal"], weights=[95, 2, 1.5, 1.5])[0]
            identified = end == "verdict" and rng.random() > 0.02
            if end == "timeout":
                limit = rng.choice([60, 120, 300])
                checks.append(row(texts, "diagnosticsTimeout", 2, texts["timeout"].format(s=limit)))
                diagnostics = {"exitCode": None, "code": 7, "started": True, "timedOut": True, "timeLimitSeconds": limit}
            elif end == "notStarted":
                checks.append(row(texts, "diagnosticsNotStarted", 2, texts["notStarted"]))
                diagnostics = {"exitCode": None, "code": 7, "started": False, "timedOut": False, "timeLimitSeconds": 120}
            elif end == "abnormal":
                code = rng.choice([0xC0000005, 0xC0000409, 0x40010004])
                checks.append(row(texts, "diagnosticsEndedAbnormally", 2, texts["abnormal"].format(code=f"{code:08X}")))
                diagnostics = {"exitCode": code - (1 << 32) if code >= 1 << 31 else code, "code": 7, "started": True,
                               "timedOut": False, "timeLimitSeconds": 120}
            else:
                diagnostics["exitCode"] = rng.choice([0, 0, 0, 1, 3, 16 + 3])
                diagnostics["code"] = diagnostics["exitCode"] & 7
            if not identified:
                if end == "verdict":
                    checks.append(row(texts, "adapterNotIdentified", 2, texts["adapterUnknown"]))
                adapter = {"caption": "", "memoryBytes": 0, "driverVersion": "0.0.0.0", "driverDate": None,
                           "pnpDeviceId": "", "adaptersDiffer": False}
            else:
                what = texts["vramWhat"].format(mb=1024)
                if memory_bytes == 0:
                    checks.append(row(texts, "videoMemory", 6, texts["vramUnknown"].format(card=caption)))
                elif memory_bytes < 1024 << 20:
                    checks.append(row(texts, "videoMemory", 1, texts["vramLow"].format(card=caption, what=what)))
                else:
                    checks.append(row(texts, "videoMemory", 3, texts["vramOk"].format(card=caption, what=what)))
                detail = texts["driverDetail"].format(card=caption, version=driver_version)
                if rng.random() < 0.01:
                    checks.append(row(texts, "cardListNotRead", 2, texts["listNotRead"]))
                elif not certified:
                    text = texts["cardNo"].format(card=caption)
                    checks.append(row(texts, "graphicsCard", 1, text, text + detail))
                else:
                    checks.append(row(texts, "graphicsCard", 3, texts["cardOk"], texts["cardOk"] + detail))
                    if driver_index == 0 and len(drivers) > 1:
                        major, minor = driver_version.split(".")[2:4]
                        need = drivers[-1][0].split(".")[2:4]
                        text = texts["driverOld"].format(a=major, b=minor, c=need[0], d=need[1])
                        checks.append(row(texts, "graphicsDriver", 2, text, text + detail))
                    elif rng.random() < 0.05:
                        text = texts["driverNotFor"].format(product=product_name)
                        checks.append(row(texts, "graphicsDriver", 1, text, text + detail))
                    else:
                        checks.append(row(texts, "graphicsDriver", 3, texts["cardOk"], texts["cardOk"] + detail))
                if rng.random() < 0.06:
                    adapter["adaptersDiffer"] = True
                    if caption.startswith("Intel"):
                        checks.append(row(texts, "adaptersIdentical", 4, texts["switchable"]))
                    else:
                        checks.append(row(texts, "adaptersIdentical", 2, texts["notIdentical"]))
            if rng.random() < 0.04:
                checks.append(row(texts, "listReplaced", 2, texts["listReplaced"], counts=False))
        checks.append(row(texts, "closingNote", 2, texts["closing"], counts=False))

    if not cancelled:
        level = min([c["severity"] for c in checks if c["countsForSummary"]] + [6])
        key = {1: "sum1", 2: "sum2", 5: "sum2", 3: "sum3", 4: "sum3"}.get(level, "sum6")
        summary = {"severity": level, "verdict": row(texts, "", level, "")["verdict"],
                   "label": texts["label"][level], "text": texts[key].format(product=product_name)}

    document = {
        "schema": "velkora-systest-result",
        "schemaVersion": 4,
        "checkerVersion": checker,
        "product": {"name": product_name, "year": year, "buildDate": build},
        "computerName": name,
        "checkedAt": stamp,
        "language": language,
        "reportHeader": texts["header"].format(name=name, when=when, year=year, build=build),
        "summary": summary,
        "checks": checks,
        "diagnostics": diagnostics,
        "operatingSystem": {"displayName": os_name, "supportCode": support_code},
        "graphicsAdapter": adapter,
    }
    return instant, local, document


def encode(document):
    """As the program writes it: two-blank indentation, keys in order, UTF-8, a final newline."""
    return (json.dumps(document, indent=2, ensure_ascii=False) + "\n").encode("utf-8")


def broken_files(rng, sample):
    """Files a site's folder may hold that are no readable document, each for its own reason."""
    whole = encode(sample)
    other = dict(sample, schema="another-tool-result")
    future = dict(sample, schemaVersion=9)
    nameless = {k: v for k, v in sample.items() if k != "computerName"}
    undated = dict(sample, checkedAt="01.12.2026 09:00")
    return {
        "empty.json": b"",
        "copy-interrupted.json": whole[: len(whole) // 2],
        "screenshot.json": bytes([0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A]) + rng.randbytes(3000),
        "notes.json": "Ergebnisse vom Standort M\u00fcnchen, bitte bis Freitag pr\u00fcfen.\r\n".encode("utf-8"),
        "list.json": b"[]\n",
        "other-tool.json": encode(other),
        "from-a-newer-checker.json": encode(future),
        "without-name.json": encode(nameless),
        "hand-edited-date.json": encode(undated),
        "bad-bytes.json": whole.replace(b"Velkora", b"Velk\xffra", 1),
        "saved-as-utf16.json": "\ufeff".encode("utf-16-le") + whole.decode("utf-8").encode("utf-16-le"),
        "two-documents.json": whole + whole,
    }


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--count", type=int, default=10000)
    parser.add_argument("--seed", type=int, default=20261201)
    parser.add_argument("--expect", type=pathlib.Path)
    args = parser.parse_args(argv[1:])
    rng = random.Random(args.seed)

    documents = args.count - 12
    if documents < 1:
        parser.error("--count must be more than 12")
    machine_count = max(1, documents * 6 // 10)
    machines = make_machines(rng, machine_count)
    # Every machine once; the rest of the documents go to a fifth of them, some many times.
    frequent = machines[: max(1, machine_count // 5)]
    owners = machines + [rng.choice(frequent) for _ in range(documents - machine_count)]
    seen = {}
    files, names = {}, set()
    latest = {}
    sample = None
    for index, machine in enumerate(owners):
        appearance = seen.get(machine["name"], 0)
        seen[machine["name"]] = appearance + 1
        while True:
            instant, local, document = make_document(rng, machine, appearance)
            key = ascii_lower(document["computerName"])
            if key in latest and latest[key][0] == instant:
                continue  # the same instant twice would leave the winner to the file order
            break
        file_name = f"{document['computerName']}_{local:%Y%m%d-%H%M%S}.json"
        while ascii_lower(file_name) in names:
            file_name = file_name[: -len(".json")] + "-1.json"
        names.add(ascii_lower(file_name))
        files[file_name] = encode(document)
        if key not in latest or instant > latest[key][0]:
            latest[key] = (instant, document["summary"])
        if sample is None and document["summary"] is not None:
            sample = document
    broken = broken_files(rng, sample)
    files.update(broken)

    args.folder.mkdir(parents=True, exist_ok=False)
    total = 0
    for file_name, data in files.items():
        (args.folder / file_name).write_bytes(data)
        total += len(data)
    # Not *.json: a reader of the folder leaves it alone.
    (args.folder / "collected-by.txt").write_text("Collected from the site's share.\n", encoding="utf-8")

    if args.expect:
        classes = {"machines": len(latest), "ready": 0, "warnings": 0, "notReady": 0, "notJudged": 0}
        for _, summary in latest.values():
            severity = summary["severity"] if summary else 6
            classes[{1: "notReady", 2: "warnings", 5: "warnings", 3: "ready", 4: "ready"}.get(severity, "notJudged")] += 1
        classes["unread"] = len(broken)
        args.expect.write_text(json.dumps(classes, indent=2) + "\n", encoding="utf-8")
    print(f"{len(files)} files, {total} bytes, {documents} documents, {len(latest)} machines")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
