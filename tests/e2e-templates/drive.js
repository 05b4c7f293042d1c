#!/usr/bin/env node
// Plays published slideshows in headless Chromium with Ruffle and reports what the movies said.
//
//   node drive.js [--ruffle DIR] [--chromium PATH] [--size WxH] [--timeout MS] CASE-OPTIONS
//   node drive.js [--ruffle DIR] [--chromium PATH] [--size WxH] [--timeout MS] --cases FILE.json
//
// A case: --root DIR --page NAME [--swf NAME] [--until JS] [--shot PREFIX] [--shots N]
// [--interval MS] [--click] [--press JS] [--prelude JS]; or --url URL instead of --root and --page to open an
// address as it is (a file:// page); --prelude runs before the page's own scripts; FILE.json holds an array of objects with the same keys, all played
// in one Chromium, one tab after the other (starting Chromium and Ruffle once saves seconds).
//
// A tiny HTTP server on 127.0.0.1 serves case i's DIR under /i/, and Ruffle under /i/ruffle/
// when --ruffle is given. With --swf, the page NAME is generated here: a plain host page beside
// the movie, so the movie's relative URLs resolve against its own folder. Otherwise NAME is a
// page in DIR. The movie's ExternalInterface calls to lumaroStatus are collected; once the JS
// expression --until is true over `s` (the latest status) and `all` (every status), N
// screenshots are taken (PREFIX-0.png ...); then with --click the movie is asked where its
// largest photo is, that point is clicked and, once the movie reports a photo open large,
// PREFIX-large.png is taken. With --press, the Enter key is pressed once and the JS expression
// is awaited (pressOk); `before` is the status just before the key. --offline starts Chromium
// with the network cut off and without the autoplay exemption, as a person's browser is. Chromium is driven through the DevTools protocol on a pipe, so no
// npm package is needed. Prints JSON on stdout: one result {ok, last, clickOk, reports,
// console, error, pressOk, before} per case, an array of them with --cases.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');
const os = require('os');
const { spawn } = require('child_process');

function parseArgs(argv) {
    const a = { timeout: 20000, size: '800x600', chromium: '/usr/bin/chromium', until: 'false' };
    for (let i = 2; i < argv.length; ++i) {
        const k = argv[i].replace(/^--/, '');
        if (k === 'click') a.click = true;
        else if (k === 'offline') a.offline = true;
        else a[k] = argv[++i];
    }
    return a;
}

const TYPES = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.swf': 'application/x-shockwave-flash', '.xml': 'text/xml', '.jpg': 'image/jpeg',
    '.mp3': 'audio/mpeg', '.map': 'application/json', '.png': 'image/png',
};

function hostPage(swf) {
    const src = encodeURI(swf);
    return `<!DOCTYPE html><html><head><meta charset="utf-8"><style>
html,body{margin:0;height:100%;background:#000;overflow:hidden}
#m{width:100%;height:100%;display:block}</style>
<script>window.RufflePlayer=window.RufflePlayer||{};window.RufflePlayer.config={autoplay:"on",
unmuteOverlay:"hidden",splashScreen:false,contextMenu:"off",letterbox:"off"};</script>
<script src="ruffle/ruffle.js"></script></head><body>
<embed id="m" src="${src}" type="application/x-shockwave-flash" allowScriptAccess="always">
</body></html>`;
}

function serve(cases, ruffle) {
    return new Promise((resolve) => {
        const server = http.createServer((req, res) => {
            const parts = decodeURIComponent(new URL(req.url, 'http://x').pathname).split('/').filter((p) => p);
            const c = cases[Number(parts.shift())];
            const rel = parts.join('/');
            if (!c || parts.includes('..')) { res.writeHead(404); return res.end(); }
            if (c.swf && rel === c.page) {
                res.writeHead(200, { 'Content-Type': TYPES['.html'] });
                return res.end(hostPage(c.swf));
            }
            const isRuffle = ruffle && parts[0] === 'ruffle';
            const file = isRuffle ? path.join(ruffle, ...parts.slice(1)) : path.join(c.root, ...parts);
            fs.readFile(file, (err, data) => {
                if (err) { res.writeHead(404); return res.end(); }
                const type = TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream';
                res.writeHead(200, { 'Content-Type': type, 'Cache-Control': isRuffle ? 'max-age=3600' : 'no-store' });
                res.end(data);
            });
        });
        server.listen(0, '127.0.0.1', () => resolve(server));
    });
}

// DevTools protocol over --remote-debugging-pipe: NUL-terminated JSON messages on fds 3 and 4.
class Cdp {
    constructor(child) {
        this.out = child.stdio[3];
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        let buf = Buffer.alloc(0);
        child.stdio[4].on('error', () => {});
        this.out.on('error', () => {});
        child.stdio[4].on('data', (chunk) => {
            buf = Buffer.concat([buf, chunk]);
            let end;
            while ((end = buf.indexOf(0)) >= 0) {
                const msg = JSON.parse(buf.subarray(0, end).toString('utf8'));
                buf = buf.subarray(end + 1);
                if (msg.id && this.pending.has(msg.id)) {
                    const p = this.pending.get(msg.id);
                    this.pending.delete(msg.id);
                    if (msg.error) p.reject(new Error(msg.error.message)); else p.resolve(msg.result);
                } else {
                    for (const l of this.listeners) l(msg);
                }
            }
        });
    }
    send(method, params = {}, sessionId) {
        const id = this.nextId++;
        const msg = { id, method, params };
        if (sessionId) msg.sessionId = sessionId;
        return new Promise((resolve, reject) => {
            this.pending.set(id, { resolve, reject });
            this.out.write(JSON.stringify(msg) + '\0');
        });
    }
}

const HOOK = `window.__lumaro = [];
window.lumaroStatus = function (text) {
  try { window.__lumaro.push(JSON.parse(text)); } catch (e) { window.__lumaro.push({bad: String(text)}); }
  return true;
};`;

const ASK = `(function(){var e=document.querySelector('ruffle-object,ruffle-embed,ruffle-player');` +
    `try{return e&&e.lumaroState?e.lumaroState():null;}catch(x){return null;}})()`;

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function runCase(cdp, c, index, port, opt) {
    const result = { ok: false, last: null, clickOk: false, reports: 0, console: [], error: '' };
    const [w, h] = opt.size.split('x').map(Number);
    const { targetId } = await cdp.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await cdp.send('Target.attachToTarget', { targetId, flatten: true });
    const listener = (m) => {
        if (m.sessionId !== sessionId || result.console.length >= 100) return;
        if (m.method === 'Runtime.consoleAPICalled')
            result.console.push(m.params.type + ': ' + m.params.args.map((x) => x.value ?? x.description).join(' '));
        if (m.method === 'Runtime.exceptionThrown')
            result.console.push('exception: ' + m.params.exceptionDetails.text);
    };
    cdp.listeners.push(listener);
    const s = (method, params) => cdp.send(method, params, sessionId);
    const shoot = async (file) => {
        const shot = await s('Page.captureScreenshot', { format: 'png' });
        fs.writeFileSync(file, Buffer.from(shot.data, 'base64'));
    };
    const poll = async (until, limit) => {
        const check = `(function(){var all=window.__lumaro||[];var s=all.length?all[all.length-1]:{};` +
            `try{return JSON.stringify({done:!!(${until}),s:s});}catch(e){return JSON.stringify({done:false,s:s});}})()`;
        for (;;) {
            const r = await s('Runtime.evaluate', { expression: check, returnByValue: true });
            const v = JSON.parse(r.result.value || '{"done":false,"s":{}}');
            result.last = v.s;
            if (v.done) return true;
            if (Date.now() > limit) return false;
            await sleep(150);
        }
    };
    try {
        await s('Runtime.enable');
        await s('Page.enable');
        await s('Emulation.setDeviceMetricsOverride', { width: w, height: h, deviceScaleFactor: 1, mobile: false });
        await s('Page.addScriptToEvaluateOnNewDocument', { source: HOOK + (c.prelude || '') });
        if (opt.offline)
            await s('Network.emulateNetworkConditions', { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
        const url = c.url || `http://127.0.0.1:${port}/${index}/${c.page.split('/').map(encodeURIComponent).join('/')}`;
        await s('Page.navigate', { url });
        result.ok = await poll(c.until || 'false', Date.now() + Number(opt.timeout));
        if (!result.ok) result.error = 'timed out waiting for: ' + c.until;
        if (c.shot) {
            for (let k = 0; k < Number(c.shots || 1); ++k) {
                await sleep(Number(c.interval || 450));
                await shoot(`${c.shot}-${k}.png`);
            }
        }
        if (result.ok && c.click) {
            // The photos move: ask the movie where its largest photo is now, and click there.
            const now = await s('Runtime.evaluate', { expression: ASK, returnByValue: true });
            let state = result.last;
            try { if (now.result.value) state = JSON.parse(now.result.value); } catch (e) { /* keep last */ }
            const [x, y] = (state && state.target) || [w / 2, h / 2];
            for (const type of ['mousePressed', 'mouseReleased'])
                await s('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
            result.clickOk = await poll('s.large>=0', Date.now() + 5000);
            await sleep(450);
            if (c.shot) await shoot(`${c.shot}-large.png`);
        }
        if (result.ok && c.press) {
            result.before = result.last;
            for (const type of ['keyDown', 'keyUp'])
                await s('Input.dispatchKeyEvent', { type, key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
            result.pressOk = await poll(c.press, Date.now() + 10000);
        }
        const r = await s('Runtime.evaluate', { expression: '(window.__lumaro||[]).length', returnByValue: true });
        result.reports = r.result.value;
    } catch (e) {
        result.error = String((e && e.message) || e);
    }
    cdp.listeners.splice(cdp.listeners.indexOf(listener), 1);
    await cdp.send('Target.closeTarget', { targetId }).catch(() => {});
    return result;
}

async function main() {
    const opt = parseArgs(process.argv);
    const batch = !!opt.cases;
    const cases = batch ? JSON.parse(fs.readFileSync(opt.cases, 'utf8')) : [opt];
    const server = await serve(cases, opt.ruffle);
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lumaro-chromium-'));
    const [w, h] = opt.size.split('x').map(Number);
    const flags = [
        '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--user-data-dir=' + profile, '--remote-debugging-pipe', '--mute-audio',
        `--window-size=${w},${h}`];
    if (opt.offline)
        flags.push('--host-resolver-rules=MAP * ~NOTFOUND', '--proxy-server=http://127.0.0.1:9');
    else
        flags.push('--autoplay-policy=no-user-gesture-required');
    const child = spawn(opt.chromium, [...flags, 'about:blank'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
    const results = [];
    let finished = false;
    const finish = () => {
        if (finished) return;
        finished = true;
        while (results.length < cases.length) results.push({ ok: false, error: 'not played' });
        process.stdout.write(JSON.stringify(batch ? results : results[0]) + '\n');
        server.close();
        // Remove the throw-away profile only once Chromium has stopped writing into it.
        const cleanUp = () => {
            try { fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 }); } catch (e) { /* left in tmp */ }
            process.exit(0);
        };
        if (child.exitCode !== null || child.signalCode !== null) return cleanUp();
        child.once('exit', cleanUp);
        setTimeout(cleanUp, 3000);
        try { child.kill('SIGKILL'); } catch (e) { /* already gone */ }
    };
    const perCase = Number(opt.timeout) + 20000;
    const guard = setTimeout(finish, perCase * cases.length + 10000);
    child.on('exit', () => { if (!finished) { clearTimeout(guard); finish(); } });
    const cdp = new Cdp(child);
    for (let i = 0; i < cases.length && !finished; ++i)
        results.push(await runCase(cdp, cases[i], i, server.address().port, opt));
    await cdp.send('Browser.close').catch(() => {});
    clearTimeout(guard);
    finish();
}

main();
