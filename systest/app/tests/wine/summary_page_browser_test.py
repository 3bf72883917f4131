#!/usr/bin/env python3
"""The site summary page as a browser shows it.

Runs `VelkoraSysTest.exe -summary FOLDER TABLE -html PAGE -csv TABLE2` under Wine on the fixture,
has headless Chromium load the page (its DOM after parsing, and a screenshot kept in the build
folder) and compares what the page shows with figures worked out here from the fixture files alone:
each machine's latest result by instant, its class by summary severity, the failed and warned
counts per check, the attention list in its order, the graphics rows, the unread files. Also: the
hostile computer names are plain text, the page holds no script and refers to nothing outside
itself, the written table has the latest row of every machine, and a folder without results gives
the page that says so.

  summary_page_browser_test.py --wine-exec WINE_EXEC --deliverable DIR --fixture DIR --work DIR
                               --screenshot PNG [--page HTML]
--page judges an existing page instead of running the program (the table and the empty-folder run
are then left out).
"""
import argparse
import csv
import datetime
import html.parser
import io
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

SCHEMA = "velkora-systest-result"
READABLE_VERSIONS = range(1, 5)
CHECKED_AT = re.compile(r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(Z|[+-]\d{2}:\d{2})$")
# Table columns that are not check ids.
TABLE_FIELDS = {"computerName", "checkedAt", "checkerVersion", "language", "summary", "summarySeverity",
                "graphicsAdapter", "driverVersion", "driverDate", "diagnosticsExitCode",
                "diagnosticsTimedOut", "schemaVersion"}
FORMULA_START = "=+-@\t\r"
CLASS_OF_SEVERITY = {1: "notReady", 2: "warnings", 5: "warnings", 3: "ready", 4: "ready", 6: "notJudged"}
ATTENTION_ORDER = {"notReady": 0, "notJudged": 1, "warnings": 2}
# Worst first, for the graphics rows.
GRAPHICS_RANK = {"notMet": 0, "warning": 1, "unknown": 2, "met": 3}
BROWSER_SECONDS = 60
PROGRAM_SECONDS = 120
HOSTILE_NAMES = ["<script>alert(1)</script>", "\"&'<b>"]


# ---------------------------------------------------------------------------------------------
# What the fixture holds, worked out without the program.

class Result:
    def __init__(self, source, order, name, checked_at, severity, checks, caption, driver):
        self.source = source
        self.order = order  # position among all inputs: the later one wins a tie
        self.name = name
        self.checked_at = checked_at
        self.instant = Instant(checked_at)
        self.severity = severity
        self.checks = checks  # [(id, verdict, counts for the summary)]
        self.caption = caption
        self.driver = driver

    def Class(self):
        return CLASS_OF_SEVERITY.get(self.severity, "notJudged") if self.severity is not None else "notJudged"

    def Ids(self, verdict):
        # A row that does not count for the summary (the closing note every run carries) is no
        # failure or warning of the machine.
        return {cid for cid, v, counts in self.checks if v == verdict and counts}

    def FailedIds(self):
        return self.Ids("notMet")

    def WarnedIds(self):
        return self.Ids("warning") - self.FailedIds()

    def GraphicsVerdict(self):
        verdicts = [v for cid, v, _ in self.checks if cid in ("graphicsCard", "graphicsDriver")]
        return min(verdicts, key=GRAPHICS_RANK.__getitem__) if verdicts else "unknown"


def Instant(text):
    if not isinstance(text, str) or not CHECKED_AT.match(text):
        return None
    try:
        return datetime.datetime.fromisoformat(text.replace("Z", "+00:00")).astimezone(datetime.timezone.utc)
    except ValueError:
        return None


def MachineKey(name):
    return "".join(c.lower() if "A" <= c <= "Z" else c for c in name)


def ReadDocument(path, order, unread):
    try:
        with open(path, encoding="utf-8") as f:
            doc = json.load(f)
    except (OSError, UnicodeDecodeError, json.JSONDecodeError) as e:
        unread[path] = f"not JSON ({type(e).__name__})"
        return None
    if not isinstance(doc, dict) or doc.get("schema") != SCHEMA:
        unread[path] = "not a result document"
        return None
    version = doc.get("schemaVersion")
    if not isinstance(version, int) or isinstance(version, bool) or version not in READABLE_VERSIONS:
        unread[path] = f"schema version {version!r}"
        return None
    name, checked_at = doc.get("computerName"), doc.get("checkedAt")
    if not isinstance(name, str) or not name or Instant(checked_at) is None:
        unread[path] = "no computer name or time"
        return None
    summary = doc.get("summary")
    severity = summary.get("severity") if isinstance(summary, dict) else None
    checks = [(c["id"], c["verdict"], c["countsForSummary"]) for c in doc.get("checks") or []]
    adapter = doc.get("graphicsAdapter") or {}
    return Result(path, order, name, checked_at, severity, checks, adapter.get("caption", ""),
                  adapter.get("driverVersion", ""))


def TableCellText(cell):
    return cell[1:] if cell.startswith("'") and cell[1:2] and cell[1] in FORMULA_START else cell


def ReadTableText(text):
    """(header, rows as dicts) of our table's text without its byte order mark."""
    first_line = text.split("\r\n", 1)[0]
    separator = next((c for c in first_line if c in ",;"), ",")
    rows = list(csv.reader(io.StringIO(text, newline=""), delimiter=separator))
    header = rows[0]
    return header, [dict(zip(header, (TableCellText(c) for c in row))) for row in rows[1:] if row]


def ReadTable(path, first_order, not_counting):
    with open(path, encoding="utf-8-sig", newline="") as f:
        header, rows = ReadTableText(f.read())
    check_ids = [c for c in header if c not in TABLE_FIELDS]
    results = []
    for i, row in enumerate(rows):
        severity = int(row["summarySeverity"]) if row.get("summarySeverity") else None
        checks = [(cid, row[cid], cid not in not_counting) for cid in check_ids if row.get(cid)]
        results.append(Result(f"{path}:{i + 2}", first_order + i, row["computerName"], row["checkedAt"], severity,
                              checks, row.get("graphicsAdapter", ""), row.get("driverVersion", "")))
    return results


def Expected(folder, table):
    unread = {}
    results = []
    names = sorted(n for n in os.listdir(folder) if n.endswith(".json"))
    for order, name in enumerate(names):
        r = ReadDocument(os.path.join(folder, name), order, unread)
        if r:
            results.append(r)
    # A table has no countsForSummary: which checks do not count, the documents tell.
    not_counting = {cid for r in results for cid, _, counts in r.checks if not counts}
    results += ReadTable(table, len(names), not_counting)
    latest = {}
    for r in results:
        key = MachineKey(r.name)
        if key not in latest or (r.instant, r.order) >= (latest[key].instant, latest[key].order):
            latest[key] = r
    machines = list(latest.values())
    totals = {c: 0 for c in ("ready", "warnings", "notReady", "notJudged")}
    for m in machines:
        totals[m.Class()] += 1
    totals["machines"] = len(machines)
    bars = {}
    for m in machines:
        for cid in m.FailedIds():
            bars.setdefault(cid, [0, 0])[0] += 1
        for cid in m.WarnedIds():
            bars.setdefault(cid, [0, 0])[1] += 1
    attention = sorted((m for m in machines if m.Class() != "ready"),
                       key=lambda m: (ATTENTION_ORDER[m.Class()], -len(m.FailedIds()), -len(m.WarnedIds()),
                                      MachineKey(m.name), m.name))
    graphics = {}
    for m in machines:
        key = (m.caption, m.driver, m.GraphicsVerdict())
        graphics[key] = graphics.get(key, 0) + 1
    return {"machines": machines, "totals": totals, "bars": {k: tuple(v) for k, v in bars.items()},
            "attention": attention, "graphics": graphics, "unread": unread}


# ---------------------------------------------------------------------------------------------
# The DOM Chromium dumped, as a small tree.

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}


class Node:
    def __init__(self, tag, attrs, parent):
        self.tag, self.attrs, self.parent, self.children = tag, dict(attrs), parent, []

    def Text(self):
        return "".join(c if isinstance(c, str) else c.Text() for c in self.children)

    def Elements(self):
        for c in self.children:
            if isinstance(c, Node):
                yield c
                yield from c.Elements()

    def All(self, tag=None, cls=None, **attrs):
        return [e for e in self.Elements() if (tag is None or e.tag == tag)
                and (cls is None or cls in e.attrs.get("class", "").split())
                and all(e.attrs.get(k.replace("_", "-")) == v for k, v in attrs.items())]

    def One(self, tag=None, cls=None, **attrs):
        found = self.All(tag, cls, **attrs)
        return found[0] if len(found) == 1 else None


class TreeBuilder(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("#document", {}, None)
        self.current = self.root

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.current)
        self.current.children.append(node)
        if tag not in VOID:
            self.current = node

    def handle_startendtag(self, tag, attrs):
        self.current.children.append(Node(tag, attrs, self.current))

    def handle_endtag(self, tag):
        node = self.current
        while node is not self.root and node.tag != tag:
            node = node.parent
        if node is not self.root:
            self.current = node.parent

    def handle_data(self, data):
        self.current.children.append(data)


def ParseDom(text):
    builder = TreeBuilder()
    builder.feed(text)
    builder.close()
    return builder.root


# ---------------------------------------------------------------------------------------------
# Running the program and the browser.

def WindowsPath(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def RunProgram(args, deliverable, inputs, page, table):
    command = [args.wine_exec, os.path.join(deliverable, "VelkoraSysTest.exe"), "-summary"]
    command += [WindowsPath(p) for p in inputs] + ["-html", WindowsPath(page)]
    if table:
        command += ["-csv", WindowsPath(table)]
    env = dict(os.environ, LC_ALL="en_US.UTF-8")
    try:
        done = subprocess.run(command, env=env, capture_output=True, timeout=PROGRAM_SECONDS)
    except subprocess.TimeoutExpired:
        return None, f"no end within {PROGRAM_SECONDS} s"
    return done.returncode, done.stderr.decode("utf-8", "replace")


class BrowserFailure(Exception):
    pass


def Chromium(work, *options):
    browser = shutil.which("chromium")
    if not browser:
        raise BrowserFailure("chromium is not installed (scripts/install-deps.sh browser installs it)")
    profile = tempfile.mkdtemp(prefix="chromium-profile-", dir=work)
    # A group of its own: on a hang (a script's alert() waits for ever in headless mode) the
    # browser and all its helper processes end together.
    browser_run = subprocess.Popen([browser, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                                    f"--user-data-dir={profile}", *options],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, start_new_session=True)
    try:
        out, err = browser_run.communicate(timeout=BROWSER_SECONDS)
    except subprocess.TimeoutExpired:
        os.killpg(browser_run.pid, signal.SIGKILL)
        browser_run.communicate()
        raise BrowserFailure(f"chromium did not finish within {BROWSER_SECONDS} s (does a script on the page wait?)")
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    if browser_run.returncode != 0:
        raise BrowserFailure(f"chromium ended with {browser_run.returncode}: {err.decode('utf-8', 'replace')[-2000:]}")
    return out.decode("utf-8")


def RenderedDom(work, page):
    return Chromium(work, "--dump-dom", "file://" + os.path.abspath(page))


# ---------------------------------------------------------------------------------------------
# The comparisons.

class Findings:
    def __init__(self):
        self.failures = []

    def Expect(self, condition, what):
        if not condition:
            self.failures.append(what)
        return condition

    def Equal(self, got, expected, what):
        return self.Expect(got == expected, f"{what}: page shows {got!r}, expected {expected!r}")


def CheckRawPage(raw, f):
    lowered = raw.lower()
    for needle in ("<script", "src=", "<link", "url(", "@import"):
        f.Expect(needle not in lowered, f"the page's file contains {needle!r}")


def CheckSelfContained(dom, f):
    f.Expect(not dom.All("script"), "the DOM holds a <script> element")
    f.Expect(not dom.All("link"), "the DOM holds a <link> element")
    for e in dom.Elements():
        for attr in ("src", "srcset", "href", "xlink:href", "action", "data", "poster"):
            value = e.attrs.get(attr)
            if value is not None:
                f.Expect(value.startswith("#"), f"<{e.tag} {attr}={value!r}> refers outside the page")
        f.Expect(not any(a.startswith("on") for a in e.attrs), f"<{e.tag}> carries an event handler")
    styles = dom.All("style")
    f.Equal(len(styles), 1, "number of <style> elements")
    for s in styles:
        f.Expect("url(" not in s.Text() and "@import" not in s.Text(), "the style refers outside the page")


def Section(dom, f, section_id):
    found = dom.All("section", id=section_id)
    f.Equal(len(found), 1, f"sections with id {section_id}")
    return found[0] if found else Node("section", {}, None)


def Count(text):
    return int(text.strip()) if text.strip().isdigit() else text


def CheckPage(dom, expected, f):
    html_elements = dom.All("html")
    f.Expect(html_elements and html_elements[0].attrs.get("lang") == "en", "<html lang=\"en\"> missing")
    CheckSelfContained(dom, f)
    f.Expect(not dom.All(id="no-results"), "the page says no result was found")

    totals = Section(dom, f, "totals")
    for key, value in expected["totals"].items():
        cells = totals.All(data_count=key)
        if f.Equal(len(cells), 1, f"elements with data-count={key}"):
            f.Equal(Count(cells[0].Text()), value, f"total {key}")

    checks = Section(dom, f, "checks")
    f.Expect(checks.All("svg"), "no <svg> in the checks section")
    bars = {g.attrs.get("data-check"): (int(g.attrs.get("data-failed", -1)), int(g.attrs.get("data-warned", -1)))
            for g in checks.All("g", cls="bar")}
    f.Equal(len(checks.All("g", cls="bar")), len(bars), "bars per check id (a check twice?)")
    f.Equal(bars, expected["bars"], "failed/warned machines per check")

    attention = Section(dom, f, "attention")
    rows = attention.All("tr", cls="machine")
    got = [(r.One("td", cls="name").Text() if r.One("td", cls="name") else None, r.attrs.get("data-verdict"),
            r.One("td", cls="time").Text().strip() if r.One("td", cls="time") else None) for r in rows]
    f.Equal(got, [(m.name, m.Class(), m.checked_at) for m in expected["attention"]],
            "attention list (name, class, time), in order")
    for row, m in zip(rows, expected["attention"]):
        items = row.All("li")
        listed = {(li.attrs.get("data-check"), li.attrs.get("data-verdict")) for li in items}
        wanted = {(cid, "notMet") for cid in m.FailedIds()} | {(cid, "warning") for cid in m.WarnedIds()}
        wanted |= {(cid, "unknown") for cid in m.Ids("unknown")}
        f.Equal({x for x in listed if x[1] != "unknown"}, {x for x in wanted if x[1] != "unknown"},
                f"failed/warned checks listed for {m.name!r}")
        f.Expect({x for x in listed if x[1] == "unknown"} <= wanted, f"unknown checks listed for {m.name!r}")
        f.Equal(len(items), len(listed), f"checks listed twice for {m.name!r}")
        for li in items:
            label, text = li.One("span", cls="label"), li.One("span", cls="text")
            f.Expect(label is not None and label.Text().strip() and text is not None and text.Text().strip(),
                     f"check {li.attrs.get('data-check')} of {m.name!r} without label or text")

    names = [e.Text() for e in dom.All("td", cls="name")]
    for hostile in HOSTILE_NAMES:
        if any(MachineKey(m.name) == MachineKey(hostile) and m.Class() != "ready" for m in expected["machines"]):
            f.Expect(hostile in names, f"the name {hostile!r} is not shown as text")
    for cell in dom.All("td", cls="name"):
        f.Expect(not list(cell.Elements()), f"a name cell holds elements: {[e.tag for e in cell.Elements()]}")

    graphics = Section(dom, f, "graphics")
    captions = {k[0] for k in expected["graphics"] if k[0]}
    drivers = {k[1] for k in expected["graphics"] if k[1] != "0.0.0.0"}
    shown = {}
    for row in graphics.All("tr", cls="card"):
        cells = [row.One("td", cls=c) for c in ("card-name", "driver", "count")]
        if not f.Expect(all(cells), "a graphics row without its cells"):
            continue
        caption, driver = cells[0].Text().strip(), cells[1].Text().strip()
        # An unknown adapter and driver may be shown with a word for it.
        key = (caption if caption in captions else "", driver if driver in drivers else "0.0.0.0",
               row.attrs.get("data-verdict"))
        f.Expect(key not in shown, f"graphics row {key} twice")
        shown[key] = Count(cells[2].Text())
    f.Equal(shown, expected["graphics"], "graphics rows (caption, driver, verdict): machines")

    versions = Section(dom, f, "versions")
    counts = [Count(r.One("td", cls="count").Text()) if r.One("td", cls="count") else None
              for r in versions.All("tr", cls="version")]
    f.Expect(counts and all(isinstance(c, int) and c > 0 for c in counts), f"version counts {counts}")
    f.Equal(sum(c for c in counts if isinstance(c, int)), expected["totals"]["machines"], "machines by version")

    unread = dom.All("section", id="unread")
    if f.Equal(len(unread), 1, "sections with id unread"):
        f.Equal(Count(unread[0].attrs.get("data-count", "")), len(expected["unread"]), "unread data-count")
        sources = [li.One("span", cls="source").Text().replace("\\", "/") if li.One("span", cls="source") else ""
                   for li in unread[0].All("li", cls="unread")]
        for path in expected["unread"]:
            name = os.path.basename(path)
            f.Equal(sum(1 for s in sources if s.endswith("/" + name) or s == name), 1, f"unread entries for {name}")
        f.Equal(len(sources), len(expected["unread"]), "unread entries")
        for li in unread[0].All("li", cls="unread"):
            reason = li.One("span", cls="reason")
            f.Expect(reason is not None and reason.Text().strip(), "an unread file without a reason")


def CheckWrittenTable(path, fixture_table, expected, f):
    if not f.Expect(os.path.isfile(path), "-csv wrote no table"):
        return
    with open(path, "rb") as t:
        data = t.read()
    f.Expect(data.startswith(b"\xef\xbb\xbf"), "the written table has no byte order mark")
    text = data.decode("utf-8-sig")
    f.Expect(text.endswith("\r\n") and "\n" not in text.replace("\r\n", ""), "the written table's lines do not end CRLF")
    with open(fixture_table, encoding="utf-8-sig", newline="") as t:
        columns = t.read().split("\r\n", 1)[0]
    f.Equal(text.split("\r\n", 1)[0], columns, "the written table's header")
    header, rows = ReadTableText(text)
    got = sorted((r.get("computerName"), r.get("checkedAt"), r.get("summarySeverity")) for r in rows)
    want = sorted((m.name, m.checked_at, "" if m.severity is None else str(m.severity)) for m in expected["machines"])
    f.Equal(got, want, "the written table's rows (name, time, severity)")
    raw_names = [line.split(",", 1)[0] for line in text.split("\r\n")[1:] if line]
    for m in expected["machines"]:
        if m.name[:1] in FORMULA_START:
            f.Expect("'" + m.name in raw_names, f"{m.name!r} is written without its apostrophe")


def CheckEmptyFolder(args, f):
    empty = os.path.join(args.work, "no-results")
    os.makedirs(empty, exist_ok=True)
    page = os.path.join(args.work, "no-results.html")
    code, err = RunProgram(args, args.deliverable, [empty], page, None)
    if not f.Equal(code, 0, f"exit code for a folder without results ({err.strip()})"):
        return
    dom = ParseDom(RenderedDom(args.work, page))
    f.Expect(dom.All(id="no-results"), "a folder without results gives no <p id=\"no-results\">")
    f.Expect(not dom.All("tr", cls="machine"), "a folder without results lists machines")
    CheckSelfContained(dom, f)


def Remove(*paths):
    for p in paths:
        if os.path.isdir(p):
            os.rmdir(p)
        elif os.path.exists(p):
            os.remove(p)


def main():
    parser = argparse.ArgumentParser()
    for option in ("--wine-exec", "--deliverable", "--fixture", "--work", "--screenshot"):
        parser.add_argument(option, required=True)
    parser.add_argument("--page")
    args = parser.parse_args()
    table = os.path.join(args.fixture, "shared-table.csv")
    expected = Expected(args.fixture, table)
    os.makedirs(args.work, exist_ok=True)
    page = args.page or os.path.join(args.work, "summary.html")
    written = os.path.join(args.work, "summary.csv")
    f = Findings()
    if not args.page:
        Remove(page, written, os.path.join(args.work, "summary-dom.html"), os.path.join(args.work, "no-results.html"),
               os.path.join(args.work, "no-results"), args.screenshot)
        code, err = RunProgram(args, args.deliverable, [args.fixture, table], page, written)
        if code != 0:
            sys.exit(f"FAIL: -summary ended with exit code {code}: {err.strip()}")
        CheckWrittenTable(written, table, expected, f)
    with open(page, encoding="utf-8") as p:
        CheckRawPage(p.read(), f)
    try:
        dom_text = RenderedDom(args.work, page)
        with open(os.path.join(args.work, "summary-dom.html"), "w", encoding="utf-8") as d:
            d.write(dom_text)
        CheckPage(ParseDom(dom_text), expected, f)
        Chromium(args.work, f"--screenshot={os.path.abspath(args.screenshot)}", "--window-size=1280,2400",
                 "--hide-scrollbars", "file://" + os.path.abspath(page))
        with open(args.screenshot, "rb") as s:
            f.Expect(s.read(8) == b"\x89PNG\r\n\x1a\n", "the screenshot is no PNG")
        if not args.page:
            CheckEmptyFolder(args, f)
    except BrowserFailure as e:
        f.failures.append(str(e))

    t = expected["totals"]
    print(f"expected: {t['machines']} machines, {t['ready']} ready, {t['warnings']} with warnings, "
          f"{t['notReady']} not ready, {t['notJudged']} not judged; {len(expected['unread'])} files unread")
    print("attention:", [m.name for m in expected["attention"]])
    print("screenshot:", os.path.abspath(args.screenshot))
    for failure in f.failures:
        print("FAIL:", failure)
    if f.failures:
        sys.exit(1)
    print("PASS")


if __name__ == "__main__":
    main()
