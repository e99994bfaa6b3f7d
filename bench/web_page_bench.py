#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The browser page in headless Chromium: its size, the time from opening it
to its first frame (goal 1 s), and from a key press to the next frame shown
at "sehr fein" (step 2) in a 1200x900 picture. Medians of five runs, with
each of two software renderers: SwiftShader, headless Chromium's own, and
Mesa's llvmpipe (through ANGLE on EGL), the renderer under the Qt viewer's
key-to-swap figure of build/bin/veltrisko-frame-measure in Xvfb.

    /usr/bin/python3 bench/web_page_bench.py [build-web/veltrisko.html]
"""
import os
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

PAGE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else 'build-web/veltrisko.html')
URL = 'file://' + PAGE
RENDERERS = {
    'SwiftShader': ['--enable-unsafe-swiftshader'],
    'llvmpipe': ['--use-gl=angle', '--use-angle=gl-egl', '--ignore-gpu-blocklist', '--enable-gpu'],
}


def measure(flags):
    options = webdriver.ChromeOptions()
    for argument in ['--headless=new', '--no-sandbox', '--force-device-scale-factor=1',
                     '--window-size=1800,1000'] + flags:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)

    def wait_ready():
        while driver.execute_script('return document.body && document.body.dataset.firstFrameMs') is None:
            time.sleep(0.02)

    first, keys = [], []
    for _ in range(5):
        driver.get('about:blank')
        driver.get(URL + '#h=030EA10&v=020EA05&az=30&el=20')
        wait_ready()
        first.append(float(driver.execute_script('return document.body.dataset.firstFrameMs')))
    driver.get(URL + '#h=030EA10&v=020EA05&az=30&el=20&step=2')
    wait_ready()
    renderer = driver.execute_script(
        "const gl = document.createElement('canvas').getContext('webgl');"
        "const info = gl && gl.getExtension('WEBGL_debug_renderer_info');"
        "return info ? gl.getParameter(info.UNMASKED_RENDERER_WEBGL) : 'no WebGL';")
    driver.execute_script("const a = document.getElementById('area');"
                          "a.style.flex = '0 0 1200px'; a.style.height = '900px';")
    time.sleep(1)
    for _ in range(5):
        # From the key's event to the animation frame after the one that drew.
        keys.append(driver.execute_async_script("""
            const done = arguments[0];
            const before = document.body.dataset.frames;
            const start = performance.now();
            document.dispatchEvent(new KeyboardEvent('keydown', {key: 'ArrowLeft', bubbles: true}));
            const check = () => {
              if (document.body.dataset.frames !== before)
                requestAnimationFrame(() => done(performance.now() - start));
              else requestAnimationFrame(check);
            };
            requestAnimationFrame(check);"""))
    driver.quit()
    return renderer, first, keys


print(f'page size: {os.path.getsize(PAGE)} bytes (load average {os.getloadavg()[0]:.2f})')
for name, flags in RENDERERS.items():
    renderer, first, keys = measure(flags)
    print(f'{name} ({renderer}):')
    print(f'  opening to first frame: median {statistics.median(first):.0f} ms of '
          f'{[round(f) for f in first]}')
    print(f'  key to frame, step 2, 1200x900: median {statistics.median(keys):.0f} ms of '
          f'{[round(k) for k in keys]}')
