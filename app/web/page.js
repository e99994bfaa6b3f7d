// SPDX-License-Identifier: MIT
// The page's thin layer: it forwards the browser's events to the viewer
// compiled to WebAssembly and puts what the viewer returns into the page,
// texts always through textContent. It decides nothing itself.
'use strict';
(async function () {
  const $ = (id) => document.getElementById(id);
  const make = (tag, cls, text) => {
    const e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
  };
  const kept = (key) => { try { return localStorage.getItem(key) || ''; } catch (e) { return ''; } };
  const keep = (key, value) => { try { localStorage.setItem(key, value); } catch (e) { /* none */ } };

  const M = await VeltriskoModule();
  const viewer = new M.Viewer(kept('veltrisko.language'), kept('veltrisko.display'),
                                kept('veltrisko.diagramStyle'));
  const REDRAW_FRAME = 1, REQUEST_UNIT = 256;
  const Request = { openDialog: 2, openDocumentation: 3, showAbout: 4, openDiagrams: 5, importPattern: 6,
                    exportPattern: 7, openFit: 8, copyReadout: 9, readoutMenu: 10,
                    askImportForFit: 11 };
  const canvas = $('picture');
  const area = $('area');
  let notices = [];
  let openMenu = -1;
  let frameWanted = true;
  let loadedFile = null;  // the imported file's name and bytes, for the fit
  let fit = null;  // the running fit: its workers and their progress

  // ---- WebGL 1: the fixed pipeline's lighting in the vertex shader.
  const gl = canvas.getContext('webgl', { alpha: false, antialias: false, depth: true,
                                          preserveDrawingBuffer: true });
  const vertexSource = `
    attribute vec3 aPosition; attribute vec3 aNormal; attribute vec4 aColour; attribute vec2 aOffset;
    uniform mat4 uProjection; uniform mat4 uModelview;
    uniform vec3 uLight; uniform vec3 uDiffuse; uniform vec3 uAmbient;
    varying vec4 vColour;
    void main() {
      vec4 eye = uModelview * vec4(aPosition, 1.0);
      vec3 normal = mat3(uModelview) * aNormal;
      float facing = max(dot(normal, normalize(uLight - eye.xyz)), 0.0);
      vColour = vec4(clamp(aColour.rgb * (uAmbient + facing * uDiffuse), 0.0, 1.0), aColour.a);
      gl_Position = uProjection * eye;
      gl_Position.xy += aOffset * gl_Position.w;
    }`;
  const fragmentSource = `
    precision mediump float; varying vec4 vColour;
    void main() { gl_FragColor = vColour; }`;
  let program = null, buffer = null, indexBuffer = null, loc = {};
  if (gl) {
    const shader = (type, source) => {
      const s = gl.createShader(type);
      gl.shaderSource(s, source);
      gl.compileShader(s);
      return s;
    };
    program = gl.createProgram();
    gl.attachShader(program, shader(gl.VERTEX_SHADER, vertexSource));
    gl.attachShader(program, shader(gl.FRAGMENT_SHADER, fragmentSource));
    gl.linkProgram(program);
    buffer = gl.createBuffer();
    indexBuffer = gl.createBuffer();
    for (const a of ['aPosition', 'aNormal', 'aColour', 'aOffset']) loc[a] = gl.getAttribLocation(program, a);
    for (const u of ['uProjection', 'uModelview', 'uLight', 'uDiffuse', 'uAmbient'])
      loc[u] = gl.getUniformLocation(program, u);
  }

  function drawFrame() {
    const frame = M.frame(viewer);
    if (!gl) return;
    gl.useProgram(program);
    gl.bindBuffer(gl.ARRAY_BUFFER, buffer);
    gl.bufferData(gl.ARRAY_BUFFER, frame.vertices, gl.STREAM_DRAW);
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, indexBuffer);
    gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, frame.indices, gl.STREAM_DRAW);
    gl.uniformMatrix4fv(loc.uProjection, false, frame.projection);
    gl.uniformMatrix4fv(loc.uModelview, false, frame.modelview);
    gl.uniform3fv(loc.uLight, frame.light);
    gl.uniform3fv(loc.uDiffuse, frame.diffuse);
    gl.uniform3fv(loc.uAmbient, frame.ambient);
    const [x, y, w, h] = frame.viewport;
    gl.viewport(x, y, w, h);
    gl.clearColor(...frame.clear);
    gl.clearDepth(1);
    gl.clear(gl.COLOR_BUFFER_BIT | gl.DEPTH_BUFFER_BIT);
    gl.enable(gl.DEPTH_TEST);
    gl.depthFunc(gl.LESS);
    gl.depthMask(true);
    gl.disable(gl.BLEND);
    gl.disable(gl.CULL_FACE);
    gl.polygonOffset(frame.offset[0], frame.offset[1]);
    const stride = 12 * 4;
    for (const [kind, firstVertex, firstIndex, count] of frame.batches) {
      // A batch's indices count from its first vertex.
      const attribute = (name, size, offset) => {
        gl.enableVertexAttribArray(loc[name]);
        gl.vertexAttribPointer(loc[name], size, gl.FLOAT, false, stride, firstVertex * stride + offset * 4);
      };
      attribute('aPosition', 3, 0);
      attribute('aNormal', 3, 3);
      attribute('aColour', 4, 6);
      attribute('aOffset', 2, 10);
      if (kind === 0) gl.enable(gl.POLYGON_OFFSET_FILL); else gl.disable(gl.POLYGON_OFFSET_FILL);
      gl.drawElements(kind === 1 ? gl.LINES : gl.TRIANGLES, count, gl.UNSIGNED_SHORT, firstIndex * 2);
    }
    // For tests and the measuring script: frames drawn, and when the first was.
    const frames = Number(document.body.dataset.frames || 0) + 1;
    document.body.dataset.frames = String(frames);
    if (frames === 1) document.body.dataset.firstFrameMs = String(performance.now());
  }

  // ---- Texts: menus, legends, readout, form, status.
  // What each part of the page was last built from: a part whose data has
  // not changed is not built again (a frame changes little of it).
  const builtFrom = {};
  const unchanged = (part, data) => {
    const text = JSON.stringify(data);
    if (builtFrom[part] === text) return true;
    builtFrom[part] = text;
    return false;
  };

  function showMenu() {
    const entries = M.menu(viewer);
    if (unchanged('menu', [entries, openMenu])) return;
    const bar = $('menubar');
    bar.replaceChildren();
    let popup = null, group = null, index = -1;
    for (const e of entries) {
      if (e.kind === 0) {  // a popup
        index += 1;
        const menu = make('div', 'menu');
        const title = make('button', '', e.text);
        title.type = 'button';
        const mine = index;
        title.setAttribute('aria-haspopup', 'true');
        title.setAttribute('aria-expanded', String(mine === openMenu));
        title.addEventListener('click', () => { openMenu = openMenu === mine ? -1 : mine; showMenu(); });
        popup = make('div', 'popup');
        popup.setAttribute('role', 'menu');
        popup.hidden = mine !== openMenu;
        menu.append(title, popup);
        bar.append(menu);
        group = null;
      } else if (e.kind === 3) {
        (group || popup).append(make('hr'));
      } else if (e.kind === 4) {
        popup.append(make('div', 'heading', e.text));
        group = make('div', 'group');
        popup.append(group);
      } else if (e.kind === 5) {
        group = null;
      } else {
        const item = make('button', '', e.text);
        item.type = 'button';
        item.dataset.command = String(e.command);
        item.setAttribute('role', e.checkable ? 'menuitemcheckbox' : 'menuitem');
        if (e.checkable) item.setAttribute('aria-checked', String(e.checked));
        item.addEventListener('click', () => { openMenu = -1; apply(viewer.runCommand(e.command)); });
        (group || popup).append(item);
      }
    }
  }

  function showLegends() {
    const l = M.legends(viewer);
    if (unchanged('legends', l)) return;
    const info = $('info-legend'), colours = $('colour-legend');
    const place = (element, [x, y, w, h]) => {
      Object.assign(element.style, { left: x + 'px', top: y + 'px', width: w + 'px', height: h + 'px' });
      element.hidden = !l.visible;
    };
    place(info, l.infoRect);
    place(colours, l.colourRect);
    info.style.background = l.background;
    info.replaceChildren();
    for (const k of l.keys) {
      const swatch = make('i');
      Object.assign(swatch.style, { left: k.x + 1 + 'px', top: k.y + 5 + 'px', background: k.colour,
                                    outline: '1px solid ' + l.keyOutline });
      const label = make('span', '', k.label);
      Object.assign(label.style, { left: k.x + 12 + 'px', top: k.y + 'px' });
      info.append(swatch, label);
    }
    for (const line of l.lines) {
      const text = make('span', line.marked ? 'marked' : '');
      Object.assign(text.style, { left: line.x + 'px', top: line.y + 'px' });
      if (line.maxWidth > 0) text.style.maxWidth = line.maxWidth + 'px';
      info.append(text);
      showLegendLine(text, line);
    }
    colours.replaceChildren();
    for (const b of l.bands) {
      const band = make('span');
      Object.assign(band.style, { left: b.left + 'px', width: b.right - b.left + 'px', background: b.colour });
      colours.append(band);
    }
    const left = make('b', '', l.leftLabel), right = make('b', '', l.rightLabel);
    left.style.left = '2px';
    right.style.right = '4px';
    left.style.color = right.style.color = l.labelColour;
    colours.append(left, right);
  }

  // A legend line too wide for its box is shortened in the middle as on the
  // desktop: C++ decides, the page measures in the line's own font.
  const measuring = document.createElement('canvas').getContext('2d');
  function showLegendLine(element, line) {
    if (line.maxWidth <= 0) { element.textContent = line.text; return; }
    measuring.font = getComputedStyle(element).font;
    element.textContent = M.elideLegendLine(line.text, line.maxWidth, (part) => measuring.measureText(part).width);
  }

  function showReadout() {
    const r = M.readout(viewer);
    const box = $('readout');
    box.textContent = r.text;
    box.hidden = r.text === '';
    if (!box.hidden) {
      const [x, y] = M.readoutPlace(viewer, box.offsetWidth, box.offsetHeight);
      box.style.left = x + 'px';
      box.style.top = y + 'px';
    }
    $('code-message').textContent = r.codeMessage;
    $('status').textContent = r.status;
  }

  const panelsBuilt = [];
  function buildPanel(index) {
    const box = make('fieldset');
    const title = make('legend');
    const code = make('input', 'code');
    code.type = 'text';
    code.maxLength = 32;
    code.spellcheck = false;
    code.addEventListener('input', () => apply(viewer.formText(index, code.value)));
    title.id = 'panel-title-' + index;
    code.setAttribute('aria-labelledby', title.id);
    box.append(title, code);
    const rows = [];
    for (let i = 0; i < 5; ++i) {
      const row = make('div', 'row');
      const slider = make('input');
      slider.type = 'range';
      const value = make('output');
      const label = make('div', 'param-label');
      label.id = `label-${index}-${i}`;
      slider.setAttribute('aria-labelledby', label.id);
      slider.addEventListener('input', () => apply(viewer.formSlider(index, i, Number(slider.value))));
      row.append(slider, value);
      box.append(row, label);
      rows.push({ slider, value, label });
    }
    $('panels').append(box);
    panelsBuilt.push({ title, code, rows });
  }

  function showForm() {
    const f = M.form(viewer);
    if (panelsBuilt.length === 0) { buildPanel(0); buildPanel(1); }
    $('config-title').textContent = f.title;
    [f.horizontal, f.vertical].forEach((p, index) => {
      const built = panelsBuilt[index];
      built.title.textContent = p.title;
      if (built.code.value !== p.code) built.code.value = p.code;
      built.code.style.background = p.tint;
      built.code.title = p.tip;
      built.code.dataset.state = String(p.state);
      p.sliders.forEach((s, i) => {
        const row = built.rows[i];
        row.slider.min = s.min;
        row.slider.max = s.max;
        row.slider.value = s.position;
        row.slider.classList.toggle('hidden', !s.visible);
        row.label.textContent = s.label;
        row.label.classList.toggle('hidden', !s.labelVisible);
        row.value.textContent = s.value;
        row.value.classList.toggle('hidden', !s.valueShown);
      });
    });
    $('rule').querySelector('legend').textContent = f.combination;
    $('mode').querySelector('legend').textContent = f.displayMode;
    const modes = $('mode').querySelectorAll('span');
    modes[0].textContent = f.linear;
    modes[1].textContent = f.logarithmic;
    for (const radio of document.querySelectorAll('#config input[type=radio]')) {
      const which = Number(radio.dataset.button);
      radio.checked = which === 0 ? !f.v7 : which === 1 ? f.v7 : which === 2 ? !f.log : f.log;
      radio.dataset.id = String(f.ids[which]);
    }
    const db = $('db-range');
    db.min = f.dbMin;
    db.max = f.dbMax;
    db.value = f.dbPosition;
    db.classList.toggle('hidden', !f.dbVisible);
    $('db-text').textContent = f.dbText;
    $('db-text').classList.toggle('hidden', !f.dbShown);
  }

  let shownSvg = '';
  function showDiagrams() {
    const section = $('diagrams');
    if (section.hidden) return;
    const d = M.diagrams(viewer);
    $('diagram-title').textContent = d.title;
    const style = $('diagram-style');
    style.replaceChildren(...d.styles.map((name, i) => {
      const option = make('option', '', name);
      option.value = String(i);
      return option;
    }));
    style.value = String(d.style);
    style.setAttribute('aria-label', d.styleLabel);
    $('curves').replaceChildren(...d.curves.flatMap((c, i) => {
      if (!c.shown) return [];
      const label = make('label', '', '');
      const box = make('input');
      box.type = 'checkbox';
      box.checked = c.checked;
      box.addEventListener('change', () => { M.diagramCurveShown(viewer, i, box.checked); showDiagrams(); });
      label.title = c.tip;
      label.append(box, document.createTextNode(c.text));
      return [label];
    }));
    $('diagram-buttons').replaceChildren(...d.buttons.map((b) => {
      const button = make('button', '', b.text);
      button.type = 'button';
      button.addEventListener('click', () => diagramButton(b.what));
      return button;
    }));
    $('diagram-reading').textContent = d.reading;
    if (d.svg !== shownSvg) {
      shownSvg = d.svg;
      const image = $('diagram-page');
      const old = image.src;
      image.src = URL.createObjectURL(new Blob([d.svg], { type: 'image/svg+xml' }));
      image.alt = d.title;
      if (old) URL.revokeObjectURL(old);
    }
  }

  // ---- The 2-D page: the reading under the pointer, the PNG drawn from its
  // SVG as the desktop paints it, and printing it through the browser.
  const DiagramExport = { png: 0, print: 5 };
  function diagramButton(what) {
    if (what === DiagramExport.png) return downloadDiagramPng();
    if (what === DiagramExport.print) return printDiagrams();
    const file = M.diagramDownload(viewer, what);
    if (file.message === '') download(file.name, file.text); else say(file.message);
  }

  function diagramPointer(event) {
    const box = $('diagram-page').getBoundingClientRect();
    if (box.width === 0 || box.height === 0) return;
    const p = M.diagramPicture(viewer);
    $('diagram-reading').textContent = M.diagramPointAt(viewer, (event.clientX - box.left) * p.width / box.width,
                                                        (event.clientY - box.top) * p.height / box.height);
  }

  async function downloadDiagramPng() {
    const p = M.diagramPicture(viewer);
    // From a data: address, which leaves the canvas readable where a blob:
    // one of a file:// page may not.
    const image = new Image();
    image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(M.diagrams(viewer).svg);
    await image.decode();
    const canvas = make('canvas');
    canvas.width = p.width;
    canvas.height = p.height;
    canvas.getContext('2d').drawImage(image, 0, 0, p.width, p.height);
    canvas.toBlob((png) => { if (png) download(p.name, png); }, 'image/png');
  }

  function printDiagrams() {
    // Only the 2-D page, named by its title as the desktop's print job is.
    const title = document.title;
    document.body.classList.add('print-diagrams');
    document.title = M.diagrams(viewer).pageTitle;
    window.addEventListener('afterprint', () => {
      document.body.classList.remove('print-diagrams');
      document.title = title;
    }, { once: true });
    window.print();
  }

  // ---- "Hilfe → Dokumentation": the web page where the build names a
  // documentation host, else the guide the page carries, in a new tab.
  const guideAddresses = {};
  function openDocumentation() {
    const d = M.documentation(viewer);
    if (d.web) {
      window.open(d.location, '_blank', 'noopener');
      return;
    }
    const guide = [...document.querySelectorAll('script[data-guide]')].find((g) => g.dataset.guide === d.location);
    if (!guide) return;
    guideAddresses[d.location] ??= URL.createObjectURL(new Blob([guide.textContent], { type: 'text/html' }));
    window.open(guideAddresses[d.location], '_blank');
  }

  function showNotices() {
    const list = $('notices');
    list.replaceChildren(...notices.map((n) => make('li', '', n)));
  }

  function showTexts() {
    const t = M.pageTexts(viewer);
    document.documentElement.lang = t.lang;
    $('copy-link').textContent = t.copyLink;
    showMenu();
    showLegends();
    showReadout();
    showForm();
    showDiagrams();
    keep('veltrisko.language', viewer.keptLanguage());
    keep('veltrisko.display', viewer.keptDisplay());
  }

  // ---- The code fit, in Web Workers made of the page's own module script
  // so that the picture keeps answering while it runs: in rounds, each
  // worker scans its share of the codes and answers its part; once every
  // worker has answered, the parts merged give the rows or ask for another
  // round. The workers tell their progress as they go; cancelling ends them.
  const workerMain = `const module = VeltriskoModule();
  self.onmessage = async (e) => {
    const M = await module; const d = e.data;
    const part = M.fitShare(d.job, d.index, d.shares, d.parts, (done, planned) => postMessage({ done, planned }));
    postMessage({ part });
  };`;
  function showFit() {
    const view = M.fitView(viewer);
    $('fit-title').textContent = view.title;
    const [measurement, criterionLabel, toleranceLabel, countLabel] = view.labels;
    $('fit-measurement').textContent = measurement + ' ' + view.measurement;
    $('fit-criterion-label').textContent = criterionLabel;
    const criterion = $('fit-criterion');
    const chosen = criterion.value;
    criterion.replaceChildren(...view.criteria.map((text, i) => { const o = make('option', '', text); o.value = String(i); return o; }));
    criterion.value = chosen || '0';
    $('fit-tolerance-label').textContent = toleranceLabel;
    $('fit-tolerance').placeholder = view.fromFile;
    $('fit-tolerance').disabled = !M.fitToleranceApplies(Number(criterion.value));
    $('fit-count-label').textContent = countLabel;
    if ($('fit-count').value === '') $('fit-count').value = String(view.defaultCount);
    $('fit-start').textContent = view.start;
    $('fit-start').disabled = !view.startEnabled;
    $('fit-align').textContent = view.align;
    $('fit-align').disabled = !view.alignEnabled;
    $('fit-hint').textContent = view.hint;
    view.lists.forEach((list, which) => {
      const table = $('fit-list-' + which);
      table.replaceChildren(make('caption', '', list.title));
      if (list.rows.length === 0) return;
      const head = make('tr');
      for (const c of view.columns) head.append(make('th', '', c));
      table.append(head);
      list.rows.forEach((row, index) => {
        const tr = make('tr');
        tr.tabIndex = 0;
        tr.dataset.code = row.code;
        if (index === list.chosen) tr.classList.add('chosen');
        for (const cell of row.cells) tr.append(make('td', '', cell));
        const choose = () => { apply(M.fitChooseRow(viewer, which, index)); showFit(); };
        tr.addEventListener('click', choose);
        tr.addEventListener('keydown', (e) => { if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); choose(); } });
        table.append(tr);
      });
    });
    $('fit-findings').textContent = view.findings;
    $('fit-status').textContent = view.status;
  }
  function endFit() {
    for (const worker of fit.workers) worker.terminate();
    fit.progress.delete();
    fit = null;
  }
  function startFit() {
    const job = M.fitStart(viewer, Number($('fit-criterion').value), $('fit-tolerance').value, $('fit-count').value);
    if (job === null) {
      // The model cancelled the running fit: its workers go.
      if (fit) {
        endFit();
        document.body.dataset.fitsCancelled = String(Number(document.body.dataset.fitsCancelled || 0) + 1);
      }
      showFit();
      return;
    }
    job.name = loadedFile.name;
    job.bytes = loadedFile.bytes;
    const shares = M.fitWorkerCount(navigator.hardwareConcurrency || 1);
    const source = document.scripts[0].textContent + '\n' + workerMain;
    const address = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    const running = { workers: [], progress: new M.FitSharesProgress(shares), parts: [], answers: [] };
    fit = running;
    for (let i = 0; i < shares; ++i) running.workers.push(new Worker(address));
    URL.revokeObjectURL(address);
    const round = () => {
      running.answers = [];
      running.workers.forEach((worker, index) => worker.postMessage({ job, index, shares, parts: running.parts }));
    };
    const done = () => {
      endFit();
      showFit();
      document.body.dataset.fits = String(Number(document.body.dataset.fits || 0) + 1);
    };
    running.workers.forEach((worker, index) => {
      worker.onmessage = (e) => {
        if (fit !== running) return;  // cancelled meanwhile
        if (e.data.part === undefined) {
          const status = M.fitProgress(viewer, running.progress, index, e.data.done, e.data.planned);
          if (status !== '') $('fit-status').textContent = status;
          return;
        }
        running.answers.push(e.data.part);
        if (running.answers.length < shares) return;
        running.parts = running.parts.concat(running.answers);
        if (M.fitSharesMerged(viewer, job, running.parts)) round(); else done();
      };
      worker.onerror = (e) => {
        e.preventDefault();
        if (fit !== running) return;
        M.fitFailed(viewer);
        done();
        $('fit-status').textContent = String(e.message || e);
      };
    });
    round();
    showFit();
  }

  // ---- Events in, redraws out.
  function download(name, text) {
    const link = make('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'application/octet-stream' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  function say(...texts) {
    notices = texts.filter((t) => t !== '');
    showNotices();
  }

  function apply(bits) {
    if (bits & REDRAW_FRAME) frameWanted = true;
    const request = Math.floor(bits / REQUEST_UNIT);
    if (request === Request.openDialog) {
      panelsBuilt[0].code.focus();
    } else if (request === Request.openDiagrams) {
      $('diagrams').hidden = false;
      showDiagrams();
      $('diagrams').scrollIntoView();
    } else if (request === Request.importPattern) {
      $('file-picker').click();
    } else if (request === Request.exportPattern) {
      const name = viewer.exportName('msi');
      const exported = M.exportPattern(viewer, name);
      if (exported.message === '') download(name, exported.text); else say(exported.message);
    } else if (request === Request.openDocumentation) {
      openDocumentation();
    } else if (request === Request.showAbout) {
      const about = M.about(viewer);
      $('about-title').textContent = about.title;
      $('about-text').textContent = about.text;
      $('about').showModal();
    } else if (request === Request.openFit || request === Request.askImportForFit) {
      // Without a file the panel says so; one imported or dropped later joins it.
      $('fit').hidden = false;
      showFit();
      $('fit').scrollIntoView();
    } else if (request === Request.copyReadout) {
      navigator.clipboard?.writeText(M.readout(viewer).copied).catch(() => {});
    } else if (request === Request.readoutMenu) {
      const menu = $('readout-menu');
      const r = M.readout(viewer);
      menu.textContent = viewer.readoutMenuText();
      Object.assign(menu.style, { left: r.x + 'px', top: r.y + 'px' });
      menu.hidden = false;
      menu.focus();
    }
    if (frameWanted) requestAnimationFrame(redraw); else showTexts();
  }

  function redraw() {
    if (!frameWanted) return;
    frameWanted = false;
    drawFrame();
    showTexts();
  }

  async function importFile(file) {
    const bytes = new Uint8Array(await file.slice(0, M.importLimit()).arrayBuffer());
    const imported = M.importPattern(viewer, file.name, bytes);
    if (imported.message === '') loadedFile = { name: file.name, bytes };
    say(imported.message);
    if (!$('fit').hidden) showFit();
    apply(imported.redraw | REDRAW_FRAME);
  }

  function openLink() {
    say(...viewer.openLink(location.hash).split('\n'));
    apply(REDRAW_FRAME);
  }

  function resize() {
    const ratio = window.devicePixelRatio || 1;
    const w = area.clientWidth, h = area.clientHeight;
    canvas.width = Math.round(w * ratio);
    canvas.height = Math.round(h * ratio);
    viewer.setPicture(w, h, ratio);
    apply(REDRAW_FRAME);
  }

  const position = (e) => { const r = canvas.getBoundingClientRect(); return [Math.round(e.clientX - r.left), Math.round(e.clientY - r.top)]; };
  let pointer = null;  // the one pointer followed: a second finger is ignored
  canvas.addEventListener('pointerdown', (e) => {
    if (pointer !== null) return;
    pointer = e.pointerId;
    canvas.setPointerCapture(e.pointerId);
    canvas.focus();
    $('readout-menu').hidden = true;
    apply(viewer.press(e.button, ...position(e), e.shiftKey));
  });
  canvas.addEventListener('pointermove', (e) => {
    if (pointer === null || pointer === e.pointerId) apply(viewer.move(...position(e)));
  });
  canvas.addEventListener('pointerup', (e) => {
    if (pointer !== e.pointerId) return;
    pointer = null;
    apply(viewer.release(e.button, ...position(e)));
  });
  canvas.addEventListener('pointercancel', (e) => {
    if (pointer !== e.pointerId) return;
    pointer = null;
    apply(viewer.leave());
  });
  canvas.addEventListener('pointerleave', () => { if (pointer === null) apply(viewer.leave()); });
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  $('readout-menu').addEventListener('click', () => {
    $('readout-menu').hidden = true;
    apply(viewer.runCommand(40030));
  });
  document.addEventListener('keydown', (e) => {
    if (e.target.closest && e.target.closest('#config, #menubar')) return;
    const bits = viewer.key(e.key, e.ctrlKey || e.metaKey);
    if (bits !== 0) { e.preventDefault(); apply(bits); }
  });
  for (const radio of document.querySelectorAll('#config input[type=radio]'))
    radio.addEventListener('change', () => apply(viewer.formButton(Number(radio.dataset.id))));
  $('db-range').addEventListener('input', () => apply(viewer.formSlider(2, 0, Number($('db-range').value))));
  $('config').addEventListener('submit', (e) => e.preventDefault());
  $('file-picker').addEventListener('change', () => {
    const file = $('file-picker').files[0];
    if (file) importFile(file);
    $('file-picker').value = '';
  });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    const file = e.dataTransfer.files[0];
    if (file) importFile(file);
  });
  $('copy-link').addEventListener('click', async () => {
    const t = M.pageTexts(viewer);
    history.replaceState(null, '', '#' + viewer.linkOfView());
    try {
      await navigator.clipboard.writeText(location.href);
      say(t.linkCopied);
    } catch (e) {
      say(t.linkNotCopied);
    }
  });
  $('diagram-style').addEventListener('change', () => {
    keep('veltrisko.diagramStyle', viewer.chooseDiagramStyle(Number($('diagram-style').value)));
    showDiagrams();
  });
  $('fit-start').addEventListener('click', startFit);
  $('fit-criterion').addEventListener('change', showFit);
  $('fit-close').addEventListener('click', () => { $('fit').hidden = true; });
  $('fit-align').addEventListener('click', () => apply(M.fitAlign(viewer)));
  $('diagram-close').addEventListener('click', () => { $('diagrams').hidden = true; });
  $('diagram-page').addEventListener('pointermove', diagramPointer);
  window.addEventListener('hashchange', openLink);
  new ResizeObserver(resize).observe(area);
  showTexts();
  openLink();
  document.body.dataset.ready = '1';
})();
