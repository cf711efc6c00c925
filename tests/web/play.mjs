// Plays Pizarrin in a real browser, as a pupil does, and checks what the pupil sees.
//   node play.mjs exercise URL REFERENCE_TOOL WORK   (Chromium) the whole exercise
//   node play.mjs window URL REFERENCE_TOOL WORK BROWSER   the window at start-up only
//   node play.mjs timing URL REFERENCE_TOOL WORK FLOOR_URL [RUNS]   (Chromium) start-up
//       times of the program and of the floor, as rows of a Markdown table
// Input is real: the browser's own mouse clicks and key presses (the DevTools protocol's
// Input domain, WebDriver BiDi's input actions). What the pupil sees is read from the
// accessibility elements that Qt puts on the page (the labels' texts) and from screenshots
// of the window compared with the desktop's rendering of the same state (REFERENCE_TOOL,
// the real window on Qt's offscreen platform).
import { execFileSync } from "node:child_process";
import { readFileSync, mkdirSync, writeFileSync } from "node:fs";
import path from "node:path";
import puppeteer from "puppeteer-core";
import { PNG } from "pngjs";

const browsers = {
    chromium: {
        browser: "chrome",
        executablePath: "/usr/bin/chromium",
        // No sandbox as root; no connections of Chromium's own, which this network refuses.
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--disable-dev-shm-usage"],
    },
    firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr", args: [] },
};

// Two renderings of the same state differ only where glyph edges are smoothed a little
// differently: a 16-pixel tile differs by at most TILE_LIMIT on average (0 to 255). A
// missing or wrong digit, mark, word or line changes a tile by far more (see run's log).
const TILE = 16;
const TILE_LIMIT = Number(process.env.PIZARRIN_WEB_TILE_LIMIT ?? 24);

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function fail(message) {
    throw new Error(message);
}

async function launch(name) {
    const { browser, executablePath, args } = browsers[name];
    return puppeteer.launch({
        browser, executablePath, args, headless: true, protocolTimeout: 120000,
        defaultViewport: { width: 1280, height: 800 },
    });
}

// The canvases of Qt's windows on the page, largest (the program's window) first.
async function windows(page) {
    return page.evaluate(() => {
        const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
        if (!root)
            return [];
        return [...root.querySelectorAll("canvas.qt-window-content")]
            .map((canvas) => {
                const r = canvas.getBoundingClientRect();
                return { x: r.x, y: r.y, width: r.width, height: r.height };
            })
            .filter((r) => r.width > 0 && r.height > 0)
            .sort((a, b) => b.width * b.height - a.width * a.height);
    });
}

async function until(what, test, timeoutMs = 60000) {
    const end = Date.now() + timeoutMs;
    for (;;) {
        const value = await test();
        if (value)
            return value;
        if (Date.now() > end)
            fail(`timed out waiting for ${what}`);
        await sleep(50);
    }
}

// Painted canvases of Qt's windows on the page: the window's first frame, the prompt's.
async function painted(page) {
    return page.evaluate(() => {
        const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
        return [...(root?.querySelectorAll("canvas.qt-window-content") ?? [])].filter((canvas) => {
            if (!canvas.width || !canvas.height)
                return false;
            const pixel = canvas.getContext("2d").getImageData(canvas.width / 2, canvas.height / 2, 1, 1);
            return pixel.data[3] !== 0;
        }).length;
    });
}

// Qt's accessibility is off until a screen-reader user turns it on with its button: the
// test presses it with the keyboard, as such a user does.
async function enableScreenReader(page) {
    const button = await until("the screen-reader button", async () => {
        const handle = await page.evaluateHandle(() => {
            const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
            return [...(root?.querySelectorAll("button") ?? [])]
                .find((b) => /lector de pantalla/.test(b.textContent)) ?? null;
        });
        return (await handle.jsonValue()) === null ? null : handle;
    });
    await button.focus();
    await page.keyboard.press("Enter");
    await until("Qt's accessibility elements", () => text(page, "Command1").then((t) => t !== null));
}

// The text of a control's accessibility element, which Qt names after the object names;
// "" when the control is hidden.
async function text(page, name) {
    return page.evaluate((name) => {
        const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
        const element = [...(root?.querySelectorAll("[id]") ?? [])]
            .find((e) => e.id === name || e.id.endsWith("." + name));
        if (!element)
            return null;
        // A hidden control's element stays, marked hidden: the pupil sees nothing there.
        return String(element.ariaHidden) === "true" ? "" : element.innerHTML;
    }, name);
}

async function shot(page, area) {
    const data = await page.screenshot({ clip: area, captureBeyondViewport: false });
    return PNG.sync.read(Buffer.from(data));
}

// The largest mean difference over the tiles of two same-sized pictures.
function difference(a, b) {
    if (a.width !== b.width || a.height !== b.height)
        return { worst: 255, at: `sizes ${a.width}x${a.height} and ${b.width}x${b.height}` };
    let worst = 0;
    let at = "";
    for (let ty = 0; ty < a.height; ty += TILE) {
        for (let tx = 0; tx < a.width; tx += TILE) {
            let sum = 0;
            let count = 0;
            for (let y = ty; y < Math.min(ty + TILE, a.height); ++y) {
                for (let x = tx; x < Math.min(tx + TILE, a.width); ++x) {
                    const i = (y * a.width + x) * 4;
                    for (let c = 0; c < 3; ++c)
                        sum += Math.abs(a.data[i + c] - b.data[i + c]);
                    count += 3;
                }
            }
            if (sum / count > worst) {
                worst = sum / count;
                at = `tile at ${tx},${ty}`;
            }
        }
    }
    return { worst: Math.round(worst * 10) / 10, at };
}

function same(what, seen, referencePath, work) {
    const reference = PNG.sync.read(readFileSync(referencePath));
    const { worst, at } = difference(seen, reference);
    writeFileSync(path.join(work, `seen-${what}.png`), PNG.sync.write(seen));
    console.log(`play: ${what}: worst tile differs by ${worst} (limit ${TILE_LIMIT}) at ${at}`);
    return { worst, ok: worst <= TILE_LIMIT };
}

function reference(tool, work, ...args) {
    execFileSync(tool, [work, ...args.map(String)], {
        stdio: "inherit", env: { ...process.env, QT_QPA_PLATFORM: "offscreen" },
    });
}

const centre = (area, box) => ({ x: area.x + box[0] + box[2] / 2, y: area.y + box[1] + box[3] / 2 });

async function click(page, area, box) {
    const { x, y } = centre(area, box);
    await page.mouse.click(x, y);
    await sleep(100);
}

// A scroll bar's left arrow: the square at its left end.
async function clickLeftArrow(page, area, bar) {
    await page.mouse.click(area.x + bar[0] + bar[3] / 2, area.y + bar[1] + bar[3] / 2);
    await sleep(150);
}

async function typeKeys(page, keys) {
    for (const key of keys) {
        await page.keyboard.type(key);
        await sleep(60);
    }
}

async function open(page, url) {
    await page.goto(url, { waitUntil: "load" });
    await until("the window's first frame", async () => (await painted(page)) >= 1);
    const [area] = await windows(page);
    return area;
}

// The page in Spanish, and the window at its design size in the page's middle: the
// title bar above the window's client area moves that down by half its height.
async function checkPage(page, area) {
    const { lang, title, width, height } = await page.evaluate(() => ({
        lang: document.documentElement.lang, title: document.title,
        width: window.innerWidth, height: window.innerHeight,
    }));
    if (lang !== "es" || title !== "Pizarrin")
        fail(`the page is lang="${lang}", titled "${title}"`);
    const dx = area.x + area.width / 2 - width / 2;
    const dy = area.y + area.height / 2 - height / 2;
    if (Math.abs(dx) > 2 || dy < 0 || dy > 30)
        fail(`the window is ${dx} pixels right and ${dy} down of the page's middle`);
}

async function exercise(url, tool, work) {
    const browser = await launch("chromium");
    try {
        const page = await browser.newPage();
        page.on("pageerror", (error) => console.log(`play: page error: ${error.message}`));
        const area = await open(page, url);
        await checkPage(page, area);
        reference(tool, work);
        const start = JSON.parse(readFileSync(path.join(work, "start.json"))).controls;
        if (!same("start", await shot(page, area), path.join(work, "start.png"), work).ok)
            fail("the window at start-up does not look as on the desktop");
        await enableScreenReader(page);

        // 3 x 2 digits, with the bars' left arrows: 6 -> 3 and 3 -> 2.
        for (let k = 0; k < 3; ++k)
            await clickLeftArrow(page, area, start.HScroll1);
        await clickLeftArrow(page, area, start.HScroll2);
        // The factors show one question mark a digit.
        const marks = [(await text(page, "Label12"))?.trim(), (await text(page, "Label13"))?.trim()];
        if (marks.join() !== "? ? ?,? ?")
            fail(`after the bars' arrows the factors show "${marks.join('" and "')}", not 3 and 2 digits`);

        // "Empezar", then the prompt: an empty answer is asked again.
        await click(page, area, start.Command1);
        await until("the name prompt", async () => (await windows(page)).length > 1, 20000);
        await page.keyboard.press("Enter");
        await sleep(700);
        if ((await windows(page)).length < 2)
            fail("an empty name closed the prompt for good");
        await typeKeys(page, "7 Abcd");
        await page.keyboard.press("Enter");
        const began = Date.now();
        await until("the prompt to close", async () => (await windows(page)).length === 1, 20000)
            .catch(async (error) => {
                await page.screenshot({ path: path.join(work, "failed.png") });
                throw error;
            });
        const factors = await until("the factors", async () => {
            const first = (await text(page, "Label12"))?.replace(/\s/g, "");
            const second = (await text(page, "Label13"))?.replace(/\s/g, "");
            return /^\d{3}$/.test(first) && /^\d{2}$/.test(second) ? [first, second] : null;
        }, 10000);
        console.log(`play: the factors drawn are ${factors[0]} x ${factors[1]}`);

        // Every row written, one wrong; "Terminar": a cross, MAL.
        reference(tool, work, factors[0], factors[1], 0);
        const plan = JSON.parse(readFileSync(path.join(work, "exercise.json")));
        for (const row of plan.rows) {
            await click(page, area, row.box);
            await typeKeys(page, [...row.wrong]);
        }
        await click(page, area, plan.Command2);
        const wrongShot = await shot(page, area);
        const wrongVerdict = await text(page, "Label14");
        if (wrongVerdict !== "MAL")
            fail(`the wrong answer's verdict is "${wrongVerdict}", not MAL`);
        if (!same("wrong", wrongShot, path.join(work, "wrong.png"), work).ok)
            fail("after the wrong answer, the window does not look as on the desktop");

        // The verdict goes after two seconds; the wrong row is mended: its tens cell,
        // Right, End, Backspace and the right digit.
        await sleep(2500);
        if ((await text(page, "Label14")) !== "")
            fail("MAL is still there after two seconds");
        await click(page, area, plan.mend);
        for (const key of ["ArrowRight", "End", "Backspace"]) {
            await page.keyboard.press(key);
            await sleep(60);
        }
        await typeKeys(page, plan.mendDigit);
        const seconds = Math.round((Date.now() - began) / 1000);
        await click(page, area, plan.Command2);
        const rightShot = await shot(page, area);
        const rightVerdict = await text(page, "Label14");
        if (rightVerdict !== "BIEN")
            fail(`the right answer's verdict is "${rightVerdict}", not BIEN`);
        const candidates = [seconds - 1, seconds, seconds + 1].filter((t) => t >= 0);
        reference(tool, work, factors[0], factors[1], ...candidates);
        const best = candidates
            .map((t) => ({ t, ...same(`right-${t}`, rightShot, path.join(work, `right-${t}.png`), work) }))
            .sort((a, b) => a.worst - b.worst)[0];
        if (!best.ok)
            fail("after the right answer, the window does not look as on the desktop");
        // The comparison tells states apart: the right answer is not the wrong one.
        if (same("right-against-wrong", rightShot, path.join(work, "wrong.png"), work).ok)
            fail("the comparison cannot tell the right answer from the wrong one");
        // The title bar's close button, at its right end, ends the program; the page,
        // left empty, says so.
        await page.mouse.click(area.x + area.width - 10, area.y - 13);
        await until("the page to say that Pizarrin has closed", () => page.evaluate(
            () => /Pizarrin se ha cerrado/.test(document.body.innerText)), 10000);
        console.log(`play: exercise passed (${factors[0]} x ${factors[1]}, ${best.t} s)`);
    } finally {
        await browser.close();
    }
}

async function windowOnly(url, tool, work, name) {
    const browser = await launch(name);
    try {
        const page = await browser.newPage();
        const area = await open(page, url);
        await checkPage(page, area);
        reference(tool, work);
        if (!same(`start-${name}`, await shot(page, area), path.join(work, "start.png"), work).ok)
            fail(`the window in ${name} does not look as on the desktop`);
        console.log(`play: ${name} shows the window`);
    } finally {
        await browser.close();
    }
}

// Median milliseconds from navigation to the window's first frame, for the program and
// for the floor (alternated, RUNS each), and from a click on "Empezar" to the prompt's.
async function timing(url, floorUrl, tool, work, runs) {
    reference(tool, work);
    const start = JSON.parse(readFileSync(path.join(work, "start.json"))).controls;
    const browser = await launch("chromium");
    const times = { program: [], floor: [], prompt: [] };
    const frame = async (page, target) => {
        const begun = performance.now();
        await page.goto(target, { waitUntil: "domcontentloaded" });
        await until("the first frame", async () => (await painted(page)) >= 1, 60000);
        return performance.now() - begun;
    };
    try {
        for (let k = 0; k < runs; ++k) {
            let page = await browser.newPage();
            times.program.push(await frame(page, url));
            const [area] = await windows(page);
            const { x, y } = centre(area, start.Command1);
            const clicked = performance.now();
            await page.mouse.click(x, y);
            await until("the prompt", async () => (await painted(page)) >= 2, 20000);
            times.prompt.push(performance.now() - clicked);
            await page.close();
            page = await browser.newPage();
            times.floor.push(await frame(page, floorUrl));
            await page.close();
        }
    } finally {
        await browser.close();
    }
    const median = (list) => Math.round([...list].sort((a, b) => a - b)[Math.floor(list.length / 2)]);
    const [program, floor, prompt] = [median(times.program), median(times.floor), median(times.prompt)];
    console.log(`| navigation to the first frame | ${floor} ms | ${program} ms | ${(program / floor).toFixed(2)}x |`);
    console.log(`| a click on "Empezar" to the prompt's first frame | | ${prompt} ms | |`);
}

const [mode, url, tool, work, name, extra] = process.argv.slice(2);
try {
    if (work)
        mkdirSync(work, { recursive: true });
    if (mode === "exercise")
        await exercise(url, tool, work);
    else if (mode === "window")
        await windowOnly(url, tool, work, name);
    else if (mode === "timing")
        await timing(url, name, tool, work, Number(extra ?? 9));
    else
        fail("usage: node play.mjs exercise|window|timing ...");
} catch (error) {
    console.error(`play: FAILED: ${error.message}`);
    process.exit(1);
}
