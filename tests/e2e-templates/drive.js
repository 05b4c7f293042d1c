#!/usr/bin/env node
// Opens a published slideshow in headless Chromium with Ruffle and reports what the movie said.
//
//   node drive.js --root DIR [--ruffle DIR] --page NAME [--swf NAME] [--shot PREFIX]
//                 [--shots N] [--interval MS] [--until JS] [--timeout MS] [--size WxH]
//                 [--chromium PATH] [--click]
//
// A tiny HTTP server on 127.0.0.1 serves DIR, plus Ruffle under /ruffle/ when --ruffle is given.
// With --swf, the page NAME is generated here (a plain host page beside the movie, so the movie's
// relative URLs resolve against its own folder); otherwise NAME is a file in DIR.
// Chromium is driven through the DevTools protocol on a pipe, so no npm package is needed.
// The movie's ExternalInterface calls to lumaroStatus are collected; once the JS expression
// --until is true over `s` (the latest status) and `all` (every status), N screenshots are
// taken (PREFIX-0.png ...), then with --click the movie's click target is clicked and, once it
// reports a large photo, PREFIX-large.png is taken. Prints one JSON object on stdout:
// {ok, last, clickOk, reports, console, error}.
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

function serve(a) {
    return new Promise((resolve) => {
        const server = http.createServer((req, res) => {
            let rel = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '');
            let file = null;
            if (a.swf && rel === a.page) {
                res.writeHead(200, { 'Content-Type': TYPES['.html'] });
                return res.end(hostPage(a.swf));
            }
            if (a.ruffle && rel.startsWith('ruffle/')) file = path.join(a.ruffle, rel.slice(7));
            else file = path.join(a.root, rel);
            const base = path.resolve(rel.startsWith('ruffle/') && a.ruffle ? a.ruffle : a.root);
            if (!path.resolve(file).startsWith(base)) { res.writeHead(403); return res.end(); }
            fs.readFile(file, (err, data) => {
                if (err) { res.writeHead(404); return res.end(); }
                const type = TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream';
                res.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
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

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function main() {
    const a = parseArgs(process.argv);
    const result = { ok: false, last: null, reports: 0, console: [], error: '' };
    const server = await serve(a);
    const port = server.address().port;
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lumaro-chromium-'));
    const [w, h] = a.size.split('x').map(Number);
    const child = spawn(a.chromium, [
        '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--user-data-dir=' + profile, '--autoplay-policy=no-user-gesture-required',
        '--remote-debugging-pipe', '--mute-audio', `--window-size=${w},${h}`, 'about:blank',
    ], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
    const killAll = () => { try { child.kill('SIGKILL'); } catch (e) { /* already gone */ } };
    const guard = setTimeout(() => { result.error = 'hard timeout'; finish(); }, Number(a.timeout) + 30000);
    let finished = false;
    function finish() {
        if (finished) return;
        finished = true;
        clearTimeout(guard);
        process.stdout.write(JSON.stringify(result) + '\n');
        server.close();
        // Remove the throw-away profile only once Chromium has stopped writing into it.
        const cleanUp = () => {
            try { fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 }); } catch (e) { /* left in tmp */ }
            process.exit(0);
        };
        if (child.exitCode !== null || child.signalCode !== null) return cleanUp();
        child.once('exit', cleanUp);
        setTimeout(cleanUp, 3000);
        killAll();
    }
    try {
        const cdp = new Cdp(child);
        const { targetId } = await cdp.send('Target.createTarget', { url: 'about:blank' });
        const { sessionId } = await cdp.send('Target.attachToTarget', { targetId, flatten: true });
        cdp.listeners.push((m) => {
            if (m.sessionId !== sessionId) return;
            if (m.method === 'Runtime.consoleAPICalled' && result.console.length < 200)
                result.console.push(m.params.type + ': ' + m.params.args.map((x) => x.value ?? x.description).join(' '));
            if (m.method === 'Runtime.exceptionThrown' && result.console.length < 200)
                result.console.push('exception: ' + m.params.exceptionDetails.text);
        });
        const s = (method, params) => cdp.send(method, params, sessionId);
        await s('Runtime.enable');
        await s('Page.enable');
        await s('Emulation.setDeviceMetricsOverride', { width: w, height: h, deviceScaleFactor: 1, mobile: false });
        await s('Page.addScriptToEvaluateOnNewDocument', { source: HOOK });
        const url = `http://127.0.0.1:${port}/${a.page.split('/').map(encodeURIComponent).join('/')}`;
        await s('Page.navigate', { url });
        const check = `(function(){var all=window.__lumaro||[];var s=all.length?all[all.length-1]:{};` +
            `try{return JSON.stringify({done:!!(${a.until}),all:all});}catch(e){return JSON.stringify({done:false,all:all});}})()`;
        const deadline = Date.now() + Number(a.timeout);
        const poll = async (until, limit) => {
            const check = `(function(){var all=window.__lumaro||[];var s=all.length?all[all.length-1]:{};` +
                `try{return JSON.stringify({done:!!(${until}),s:s});}catch(e){return JSON.stringify({done:false,s:s});}})()`;
            for (;;) {
                const r = await s('Runtime.evaluate', { expression: check, returnByValue: true });
                const v = JSON.parse(r.result.value || '{"done":false,"s":{}}');
                result.last = v.s;
                if (v.done) return true;
                if (Date.now() > limit) return false;
                await sleep(200);
            }
        };
        result.ok = await poll(a.until, deadline);
        if (!result.ok) result.error = 'timed out waiting for: ' + a.until;
        const shots = Number(a.shots || 1);
        if (a.shot) {
            for (let k = 0; k < shots; ++k) {
                await sleep(Number(a.interval || 500));
                const shot = await s('Page.captureScreenshot', { format: 'png' });
                fs.writeFileSync(`${a.shot}-${k}.png`, Buffer.from(shot.data, 'base64'));
            }
        }
        if (result.ok && a.click) {
            // Ask the movie where its largest photo is right now (it moves), click it, then wait
            // for the movie to report it open large.
            const ask = `(function(){var e=document.querySelector('ruffle-object,ruffle-embed,ruffle-player');` +
                `try{return e&&e.lumaroState?e.lumaroState():null;}catch(x){return null;}})()`;
            const now = await s('Runtime.evaluate', { expression: ask, returnByValue: true });
            let state = result.last;
            try { if (now.result.value) state = JSON.parse(now.result.value); } catch (e) { /* keep last */ }
            const [x, y] = (state && state.target) || [w / 2, h / 2];
            for (const type of ['mousePressed', 'mouseReleased'])
                await s('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
            result.clickOk = await poll('s.large>=0', Date.now() + 5000);
            await sleep(500);
            if (a.shot) {
                const shot = await s('Page.captureScreenshot', { format: 'png' });
                fs.writeFileSync(`${a.shot}-large.png`, Buffer.from(shot.data, 'base64'));
            }
        }
        const r = await s('Runtime.evaluate', { expression: 'JSON.stringify((window.__lumaro||[]).length)', returnByValue: true });
        result.reports = JSON.parse(r.result.value);
        await cdp.send('Browser.close').catch(() => {});
    } catch (e) {
        result.error = String(e && e.message || e);
    }
    finish();
}

main();
