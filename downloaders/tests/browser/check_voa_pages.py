#!/usr/bin/python3
"""Opens the published VOA lesson lists in headless Chromium and checks, in the DOM the
browser built, that every lesson sits in its block with its date, title and three links.

Usage: check_voa_pages.py FOLDER  (with by-category.html and by-day.html in it)

The browser may only read the local files: every host name fails to resolve, and any
request that still goes out is sent to a closed port on 127.0.0.1.
"""
import html
import json
import os
import re
import subprocess
import sys
import tempfile

BASE = "http://www.corvanta.example/wexcombe/voa/"

# Reads the structure back through the DOM, so that a block closed in the wrong place
# shows as a lesson outside its category.
SUMMARY_SCRIPT = """
<pre id="summary"></pre>
<script>
const lessons = (parent) => [...parent.querySelectorAll(':scope > div.contents')].map(e => ({
  date: e.querySelector(':scope > span.date').textContent,
  title: e.querySelector(':scope > div.title').textContent.trim(),
  description: e.querySelector(':scope > div.description').textContent.trim(),
  links: [...e.querySelectorAll(':scope > div.file > a')].map(a => [a.textContent, a.href, a.target]),
}));
document.getElementById('summary').textContent = JSON.stringify({
  title: document.title,
  categories: [...document.querySelectorAll('body > div.voa > div.category')].map(c => ({
    subject: c.querySelector(':scope > div.subject')?.textContent ?? null,
    lessons: lessons(c),
  })),
  allLessons: document.querySelectorAll('div.contents').length,
});
</script>
"""


def lesson(name, title, category_key, date):
    return {
        "date": date,
        "title": title,
        "description": f"About {title}.",
        "links": [
            ["Site", f"http://127.0.0.1/lessons/{name}.html", "_blank"],
            ["XML", f"{BASE}{category_key}/{name}.xml", "_blank"],
            ["MP3", f"http://127.0.0.1/mp3/{name}.mp3", "_blank"],
        ],
    }


MOON = lesson("moon", "Water on the Moon", "science_in_the_news", "2011/04/12")
SLEEP = lesson("sleep", "Sleep and Memory", "science_in_the_news", "2011/04/05")
BEES = lesson("bees", "Saving the Bees", "american_mosaic", "2011/04/20")

EXPECTED = {
    "by-category.html": {
        "title": "VOA Lessons by Category",
        "categories": [
            {"subject": "science_in_the_news", "lessons": [MOON, SLEEP]},
            {"subject": "american_mosaic", "lessons": [BEES]},
        ],
        "allLessons": 3,
    },
    "by-day.html": {
        "title": "VOA Lessons by Day",
        "categories": [{"subject": None, "lessons": [BEES, MOON, SLEEP]}],
        "allLessons": 3,
    },
}


def page_for(name, fragment):
    # The category list is a fragment for the body of a page; the day list brings its head.
    if name == "by-category.html":
        return ("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>VOA Lessons by Category</title>"
                "</head><body>\n" + fragment + SUMMARY_SCRIPT + "</body></html>")
    return fragment + SUMMARY_SCRIPT


def dump_dom(path, profile):
    command = [
        "chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        "--disable-extensions", "--disable-default-apps", "--disable-breakpad", "--no-pings",
        "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9",
        f"--user-data-dir={profile}", "--dump-dom", "file://" + path,
    ]
    result = subprocess.run(command, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        raise SystemExit(f"chromium failed on {path}:\n{result.stderr}")
    return result.stdout


def main():
    folder = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        for name, expected in EXPECTED.items():
            with open(os.path.join(folder, name), encoding="utf-8-sig") as f:
                fragment = f.read()
            page = os.path.join(work, name)
            with open(page, "w", encoding="utf-8") as f:
                f.write(page_for(name, fragment))
            dom = dump_dom(page, os.path.join(work, "profile"))
            found = re.search(r'<pre id="summary">(.*?)</pre>', dom, re.S)
            if not found or not found.group(1):
                print(f"{name}: the browser gave no summary\n{dom[:2000]}")
                failures += 1
                continue
            summary = json.loads(html.unescape(found.group(1)))
            if summary != expected:
                print(f"{name}: expected\n{json.dumps(expected, indent=1)}\nbut the browser read\n"
                      f"{json.dumps(summary, indent=1)}")
                failures += 1
            else:
                print(f"{name}: {summary['allLessons']} lessons, titles and links as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
