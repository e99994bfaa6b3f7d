#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Figures of the browser page in headless Chromium, one run, printed:

- the page's size;
- the time from opening it to its first drawn frame (median of several opens);
- from a key press (Right, one azimuth step) to the next drawn frame at
  "sehr fein" (step 2) with the picture 1200 x 900, median and mean;
- optionally the Qt viewer's key-to-swap of the same state in the same run
  (build/bin/veltrisko-frame-measure under Xvfb) for the ratio.

    bench/web_page_bench.py build-web/veltrisko.html [--qt build/bin/veltrisko-frame-measure]

A frame is drawn when the page counts it in its body's data-frames; the times
are the page's own clock (performance.now), taken by a script that the browser
runs before the page's."""
import argparse
import os
import statistics
import subprocess
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Runs before the page: the time of every drawn frame and of every key press.
PROBE = """
window.__frames = [];
window.__keys = [];
addEventListener('keydown', () => window.__keys.push(performance.now()), true);
new MutationObserver(() => window.__frames.push(performance.now()))
  .observe(document, {attributes: true, subtree: true, attributeFilter: ['data-frames']});
"""


def browser():
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--enable-unsafe-swiftshader',
                     '--use-angle=swiftshader', '--force-device-scale-factor=1',
                     '--window-size=1700,1000'):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': PROBE})
    return driver


def wait_for(driver, script, seconds=30):
    deadline = time.time() + seconds
    while not driver.execute_script(script):
        if time.time() > deadline:
            raise SystemExit('timed out waiting for: ' + script)
        time.sleep(0.02)


def first_frame(driver, url, opens):
    times = []
    for _ in range(opens):
        driver.get('about:blank')
        driver.get(url)
        wait_for(driver, 'return window.__frames && window.__frames.length > 0')
        times.append(driver.execute_script('return window.__frames[0]'))
    return times


def key_to_frame(driver, url, presses):
    driver.get('about:blank')
    driver.get(url + '#step=2&h=030EA00&v=030EA00')
    wait_for(driver, 'return document.body.dataset.ready === "1"')
    driver.execute_script("const a = document.getElementById('area');"
                          "a.style.flex = '0 0 1200px'; a.style.width = '1200px';"
                          "a.style.height = '900px';")
    time.sleep(1)
    size = driver.execute_script("const c = document.getElementById('picture');"
                                 "return [c.clientWidth, c.clientHeight]")
    canvas = driver.find_element('id', 'picture')
    canvas.click()
    times = []
    for _ in range(presses):
        drawn = driver.execute_script('return window.__frames.length')
        driver.execute_cdp_cmd('Input.dispatchKeyEvent', {
            'type': 'rawKeyDown', 'key': 'ArrowRight', 'code': 'ArrowRight',
            'windowsVirtualKeyCode': 39})
        driver.execute_cdp_cmd('Input.dispatchKeyEvent', {
            'type': 'keyUp', 'key': 'ArrowRight', 'code': 'ArrowRight',
            'windowsVirtualKeyCode': 39})
        wait_for(driver, f'return window.__frames.length > {drawn}')
        times.append(driver.execute_script(
            'return window.__frames[window.__frames.length - 1] - '
            'window.__keys[window.__keys.length - 1]'))
        time.sleep(0.05)
    return size, times


def qt_key_to_swap(program, frames):
    run = subprocess.run(['xvfb-run', '-a', '-s', '-screen 0 1600x1200x24', program, str(frames)],
                         capture_output=True, text=True, check=True)
    return run.stdout.strip()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('page')
    parser.add_argument('--qt', help='the Qt viewer\'s frame measure, for the ratio')
    parser.add_argument('--presses', type=int, default=40)
    parser.add_argument('--opens', type=int, default=5)
    args = parser.parse_args()
    url = 'file://' + os.path.abspath(args.page)

    print(f'page size: {os.path.getsize(args.page) / 1e6:.2f} MB ({os.path.getsize(args.page)} bytes)')
    driver = browser()
    try:
        opens = first_frame(driver, url, args.opens)
        print(f'open to first frame: median {statistics.median(opens):.0f} ms '
              f'(each: {", ".join(f"{t:.0f}" for t in opens)})')
        size, presses = key_to_frame(driver, url, args.presses)
        print(f'key to frame, step 2, picture {size[0]}x{size[1]}: median '
              f'{statistics.median(presses):.1f} ms, mean {statistics.mean(presses):.1f} ms '
              f'({len(presses)} presses)')
    finally:
        driver.quit()
    if args.qt:
        print('Qt viewer, key to swap, same machine:')
        print(qt_key_to_swap(args.qt, 60))


if __name__ == '__main__':
    main()
