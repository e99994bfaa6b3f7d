#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The page's code fit in headless Chromium on 1, 2 and 4 Web Workers: the
time from *Anpassen* to the rows shown, for a pattern file dropped on the
page (default: the guide's example file), and the search's own time that
the status line gives; the worker counts take turns, RUNS times (default
3), and the medians are shown. The number of workers follows
navigator.hardwareConcurrency, which the script sets.

    /usr/bin/python3 bench/web_fit_bench.py [build-web/veltrisko.html [FILE [RUNS]]]
"""
import os
import re
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

PAGE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else 'build-web/veltrisko.html')
FILE = sys.argv[2] if len(sys.argv) > 2 else 'docs/example-tilted-sector.msi'
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 3

options = webdriver.ChromeOptions()
for argument in ('--headless=new', '--no-sandbox', '--enable-unsafe-swiftshader',
                 '--force-device-scale-factor=1', '--window-size=1300,800'):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
with open(FILE, 'rb') as f:
    data = list(f.read())


def fit(workers):
    """Seconds to the rows and the search's seconds, on `workers` workers."""
    driver.get('about:blank')
    driver.get('file://' + PAGE)
    while driver.execute_script('return document.body && document.body.dataset.firstFrameMs') is None:
        time.sleep(0.02)
    driver.execute_script(
        f"Object.defineProperty(navigator, 'hardwareConcurrency', {{ get: () => {workers} }});"
        "const t = new DataTransfer();"
        "t.items.add(new File([new Uint8Array(arguments[0])], arguments[1]));"
        "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: t, bubbles: true}));",
        data, os.path.basename(FILE))
    time.sleep(0.3)
    driver.execute_script("document.querySelector('[data-command=\"40028\"]').click()")
    seconds = driver.execute_async_script("""
        const done = arguments[0];
        const start = performance.now();
        new MutationObserver(() => { if (document.body.dataset.fits) done((performance.now() - start) / 1000); })
          .observe(document.body, {attributes: true});
        document.getElementById('fit-start').click();""")
    status = driver.find_element('id', 'fit-status').text
    return seconds, float(re.search(r'in ([\d,]+) s', status).group(1).replace(',', '.'))


times = {workers: [] for workers in (1, 2, 4)}
for _ in range(RUNS):
    for workers in times:
        times[workers].append(fit(workers))
driver.quit()
print(f'{os.path.basename(FILE)}, {os.cpu_count()} cores, load average {os.getloadavg()[0]:.2f}')
for workers, runs in times.items():
    print(f'{workers} worker(s): median {statistics.median(r[0] for r in runs):.2f} s to the rows, '
          f'search {statistics.median(r[1] for r in runs):.2f} s; runs {[round(r[0], 2) for r in runs]}')
