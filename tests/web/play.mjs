// Plays Pizarrin in a real browser, as a pupil does, and checks what the pupil sees.
//   node play.mjs exercise URL REFERENCE_TOOL WORK   (Chromium) the whole exercise
//   node play.mjs window URL REFERENCE_TOOL WORK BROWSER   the window at start-up only
//   node play.mjs touch URL REFERENCE_TOOL WORK DEVICE   (Chromium as a tablet or a
//       Chromebook, touch only) the whole exercise by taps and an on-screen keyboard
//   node play.mjs soak URL REFERENCE_TOOL WORK EVENTS   (Chromium, touch) random taps and
//       on-screen keys all over the window, the prompts included
//   node play.mjs timing URL REFERENCE_TOOL WORK FLOOR_URL [RUNS]   (Chromium) start-up
//       times of the program and of the floor, as rows of a Markdown table
// Input is real: the browser's own mouse clicks, taps and key presses (the DevTools
// protocol's Input domain, WebDriver BiDi's input actions), and what an on-screen keyboard
// sends (text inserted into the focused input, Backspace as an input event). What the pupil sees is read from the
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
// differently: a tile of 16 design pixels (16 times the scale on the screen) differs by at
// most TILE_LIMIT on average (0 to 255). A
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

// The largest mean difference over the TILE-pixel tiles of two pictures of the same size,
// give or take the pixel that a scaled window's edges round to.
function difference(a, b, TILE) {
    if (Math.abs(a.width - b.width) > 2 || Math.abs(a.height - b.height) > 2)
        return { worst: 255, at: `sizes ${a.width}x${a.height} and ${b.width}x${b.height}` };
    const width = Math.min(a.width, b.width);
    const height = Math.min(a.height, b.height);
    let worst = 0;
    let at = "";
    for (let ty = 0; ty < height; ty += TILE) {
        for (let tx = 0; tx < width; tx += TILE) {
            let sum = 0;
            let count = 0;
            for (let y = ty; y < Math.min(ty + TILE, height); ++y) {
                for (let x = tx; x < Math.min(tx + TILE, width); ++x) {
                    const i = (y * a.width + x) * 4;
                    const j = (y * b.width + x) * 4;
                    for (let c = 0; c < 3; ++c)
                        sum += Math.abs(a.data[i + c] - b.data[j + c]);
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

// SCALE: the screen's pixels to a design pixel.
function same(what, seen, referencePath, work, scale) {
    const reference = PNG.sync.read(readFileSync(referencePath));
    const { worst, at } = difference(seen, reference, Math.round(TILE * scale));
    writeFileSync(path.join(work, `seen-${what}.png`), PNG.sync.write(seen));
    console.log(`play: ${what}: worst tile differs by ${worst} (limit ${TILE_LIMIT}) at ${at}`);
    return { worst, ok: worst <= TILE_LIMIT };
}

// The desktop's rendering at the browser's scale: the window's factor on the page times
// the screen's device pixels to a page pixel.
function reference(tool, work, scale, ...args) {
    execFileSync(tool, [work, ...args.map(String)], {
        stdio: "inherit",
        env: { ...process.env, QT_QPA_PLATFORM: "offscreen", QT_SCALE_FACTOR: String(scale) },
    });
}

// A control's middle on the page: its box, in the design's pixels, at the window's scale.
const centre = (area, box) => ({
    x: area.x + (box[0] + box[2] / 2) * area.scale, y: area.y + (box[1] + box[3] / 2) * area.scale,
});

async function click(page, area, box) {
    const { x, y } = centre(area, box);
    await page.mouse.click(x, y);
    await sleep(100);
}

// A scroll bar's left arrow: the square at its left end.
const leftArrow = (bar) => [bar[0], bar[1], bar[3], bar[3]];

async function clickLeftArrow(page, area, bar) {
    const { x, y } = centre(area, leftArrow(bar));
    await page.mouse.click(x, y);
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

// The page in Spanish, and the window in the page's middle, on a touch screen as large as
// the page allows: one factor for the whole window, so that it keeps the design's
// proportions, never below 1, its frame filling the page across or down (the title bar above the client
// area moves that down by half its height). Returns the factor, to one hundredth.
async function checkPage(page, area, design, touch = false) {
    const { lang, title, screen, frame } = await page.evaluate(() => {
        const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
        const canvas = [...root.querySelectorAll("canvas.qt-window-content")]
            .sort((a, b) => b.clientWidth * b.clientHeight - a.clientWidth * a.clientHeight)[0];
        const rect = (e) => { const r = e.getBoundingClientRect(); return { width: r.width, height: r.height }; };
        return { lang: document.documentElement.lang, title: document.title,
            screen: rect(document.getElementById("pantalla")), frame: rect(canvas.closest(".qt-window")) };
    });
    if (lang !== "es" || title !== "Pizarrin")
        fail(`the page is lang="${lang}", titled "${title}"`);
    const scale = Math.round((area.width / design[0]) * 100) / 100;
    const where = `a ${area.width} x ${area.height} window on a ${screen.width} x ${screen.height} page`;
    if (scale < 1 || Math.abs(area.height - design[1] * scale) > 1)
        fail(`${where} is not the design's ${design.join(" x ")} by one factor of at least 1`);
    if (scale > 1 && (frame.width > screen.width + 1 || frame.height > screen.height + 1))
        fail(`${where} does not fit: its frame is ${frame.width} x ${frame.height}`);
    const short = Math.min(screen.width - frame.width, screen.height - frame.height);
    if (touch && short > 0.01 * Math.max(screen.width, screen.height) + 2)
        fail(`${where} leaves ${short} pixels free on every side: it could be larger`);
    if (!touch && scale !== 1)
        fail(`${where}: with a mouse the window keeps its design size`);
    const dx = area.x + area.width / 2 - screen.width / 2;
    const dy = area.y + area.height / 2 - screen.height / 2;
    if (screen.width >= frame.width && (Math.abs(dx) > 2 || dy < 0 || dy > 30))
        fail(`the window is ${dx} pixels right and ${dy} down of the page's middle`);
    area.scale = scale;
    return scale;
}

// The desktop's start-up: where its controls are, and its size, in the design's pixels.
function startUp(tool, work) {
    reference(tool, work, 1);
    return JSON.parse(readFileSync(path.join(work, "start.json")));
}

async function exercise(url, tool, work) {
    const browser = await launch("chromium");
    try {
        const page = await browser.newPage();
        page.on("pageerror", (error) => console.log(`play: page error: ${error.message}`));
        const area = await open(page, url);
        const { controls: start, size } = startUp(tool, work);
        const scale = await checkPage(page, area, size);
        reference(tool, work, scale);
        if (!same("start", await shot(page, area), path.join(work, "start.png"), work, scale).ok)
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
        reference(tool, work, scale, factors[0], factors[1], 0);
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
        if (!same("wrong", wrongShot, path.join(work, "wrong.png"), work, scale).ok)
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
        reference(tool, work, scale, factors[0], factors[1], ...candidates);
        const best = candidates
            .map((t) => ({ t, ...same(`right-${t}`, rightShot, path.join(work, `right-${t}.png`), work, scale) }))
            .sort((a, b) => a.worst - b.worst)[0];
        if (!best.ok)
            fail("after the right answer, the window does not look as on the desktop");
        // The comparison tells states apart: the right answer is not the wrong one.
        if (same("right-against-wrong", rightShot, path.join(work, "wrong.png"), work, scale).ok)
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

// Chromium as a pupil's touch screen: a tablet (1024 x 768, two device pixels to a page
// pixel) and a Chromebook in tablet mode (1366 x 768 at 1.25), touch only.
const devices = {
    tablet: { width: 1024, height: 768, deviceScaleFactor: 2 },
    chromebook: { width: 1366, height: 768, deviceScaleFactor: 1.25 },
};

async function touchScreen(page, device) {
    await page.setViewport({ ...device, isMobile: true, hasTouch: true });
}

async function tap(page, area, box) {
    const { x, y } = centre(area, box);
    await page.touchscreen.tap(x, y);
    await sleep(120);
}

// What the page's focus asks of an on-screen keyboard: "digits" or "text" for a text
// input (by its inputmode), "nothing" for anything else (Qt's canvas asks for none).
async function asked(page) {
    return page.evaluate(() => {
        let focused = document.activeElement;
        while (focused?.shadowRoot?.activeElement)
            focused = focused.shadowRoot.activeElement;
        const typing = focused && (focused.tagName === "INPUT" || focused.tagName === "TEXTAREA"
            || (focused.isContentEditable && focused.inputMode !== "none"));
        if (!typing)
            return "nothing";
        return focused.inputMode === "numeric" || focused.inputMode === "decimal" ? "digits" : "text";
    });
}

async function expectAsked(page, after, wanted) {
    const seen = await asked(page);
    if (seen !== wanted)
        fail(`after ${after} the page's focus asks for ${seen}, not ${wanted}`);
}

// What an on-screen keyboard sends: each character inserted into the focused input;
// Backspace as a key the page cannot name (229) and an input event that deletes.
function screenKeyboard(page) {
    const session = page.createCDPSession();
    return {
        async type(characters) {
            for (const character of characters) {
                await (await session).send("Input.insertText", { text: character });
                await sleep(60);
            }
        },
        async backspace() {
            const cdp = await session;
            const key = { key: "Unidentified", code: "", windowsVirtualKeyCode: 229, nativeVirtualKeyCode: 229 };
            await cdp.send("Input.dispatchKeyEvent", { type: "rawKeyDown", ...key });
            await page.evaluate(() => {
                let focused = document.activeElement;
                while (focused?.shadowRoot?.activeElement)
                    focused = focused.shadowRoot.activeElement;
                focused?.dispatchEvent(new InputEvent("input", {
                    inputType: "deleteContentBackward", bubbles: true, cancelable: false }));
            });
            await cdp.send("Input.dispatchKeyEvent", { type: "keyUp", ...key });
            await sleep(60);
        },
        async enter() {
            await page.keyboard.press("Enter");
        },
    };
}

async function touchExercise(url, tool, work, name) {
    const device = devices[name] ?? fail(`no device called ${name}`);
    const browser = await launch("chromium");
    try {
        const page = await browser.newPage();
        const errors = [];
        page.on("pageerror", (error) => errors.push(error.message));
        await touchScreen(page, device);
        const area = await open(page, url);
        const { controls: start, size } = startUp(tool, work);
        const scale = await checkPage(page, area, size, true);
        console.log(`play: ${name}: the window at ${scale} times its design size`);
        // The desktop drawn at the same scale. At the Chromebook's (2.05 device pixels to a
        // design pixel) the desktop's results list shows its first line selected and the
        // browser's does not, which no other scale shows: compared on the tablet only.
        const pixels = scale * device.deviceScaleFactor;
        reference(tool, work, pixels);
        const looks = same(`${name}-start`, await shot(page, area), path.join(work, "start.png"), work, pixels);
        if (name === "tablet" && !looks.ok)
            fail("the window at start-up does not look as on the desktop at the same scale");
        await enableScreenReader(page);
        const keyboard = screenKeyboard(page);

        for (let k = 0; k < 3; ++k)
            await tap(page, area, leftArrow(start.HScroll1));
        await tap(page, area, leftArrow(start.HScroll2));
        await expectAsked(page, "a tap on a scroll bar", "nothing");
        const marks = [(await text(page, "Label12"))?.trim(), (await text(page, "Label13"))?.trim()];
        if (marks.join() !== "? ? ?,? ?")
            fail(`after taps on the bars' arrows the factors show "${marks.join('" and "')}"`);

        await tap(page, area, start.Command1);
        await until("the name prompt", async () => (await windows(page)).length > 1, 20000);
        await sleep(300);
        await expectAsked(page, "the name prompt opened", "text");
        await keyboard.type("7 Abcd");
        await keyboard.enter();
        await until("the prompt to close", async () => (await windows(page)).length === 1, 20000);
        const factors = await until("the factors", async () => {
            const first = (await text(page, "Label12"))?.replace(/\s/g, "");
            const second = (await text(page, "Label13"))?.replace(/\s/g, "");
            return /^\d{3}$/.test(first) && /^\d{2}$/.test(second) ? [first, second] : null;
        }, 10000);
        console.log(`play: ${name}: the factors drawn are ${factors[0]} x ${factors[1]}`);

        reference(tool, work, 1, factors[0], factors[1], 0);
        const plan = JSON.parse(readFileSync(path.join(work, "exercise.json")));
        for (const row of plan.rows) {
            await tap(page, area, row.box);
            await expectAsked(page, "a tap on a cell", "digits");
            await keyboard.type([...row.wrong]);
        }
        await tap(page, area, plan.Command2);
        await expectAsked(page, "a tap on \"Terminar\"", "nothing");
        if ((await text(page, "Label14")) !== "MAL")
            fail(`the wrong answer's verdict is "${await text(page, "Label14")}", not MAL`);

        // The wrong units digit, tapped just right of it (where the caret goes, after it),
        // erased with the on-screen Backspace and typed again.
        await sleep(2500);
        const wrong = plan.rows.find((row) => row.wrong !== row.right);
        const [x, y, width, height] = wrong.box;
        await tap(page, area, [x + width * 0.7, y, width * 0.3, height]);
        await expectAsked(page, "a tap on the wrong cell", "digits");
        await keyboard.backspace();
        await keyboard.type(wrong.right[0]);
        await tap(page, area, plan.Command2);
        await expectAsked(page, "the second tap on \"Terminar\"", "nothing");
        const verdict = await text(page, "Label14");
        if (verdict !== "BIEN")
            fail(`the mended answer's verdict is "${verdict}", not BIEN (Backspace from the on-screen keyboard)`);

        // The tablet turned: the window is fitted again to the page's new shape.
        await touchScreen(page, { ...device, width: device.height, height: device.width });
        await sleep(700);
        const [turned] = await windows(page);
        const turnedScale = await checkPage(page, turned, size, true);
        console.log(`play: ${name}, turned: the window at ${turnedScale} times its design size`);
        if (errors.length)
            fail(`the page reported errors: ${errors.join("; ")}`);
        console.log(`play: ${name}: the exercise passed by taps and the on-screen keyboard`);
    } finally {
        await browser.close();
    }
}

// Random taps over every window on the page (the prompts included, their title bars not:
// the close button would end the program) and random on-screen keys, EVENTS of them or as
// many as fit in two minutes; then the page must have reported no error, and the window
// must still be there and answer a tap on "?".
async function soak(url, tool, work, events) {
    const browser = await launch("chromium");
    try {
        const page = await browser.newPage();
        const errors = [];
        page.on("pageerror", (error) => errors.push(error.message));
        await touchScreen(page, devices.tablet);
        const area = await open(page, url);
        const { controls: start, size } = startUp(tool, work);
        await checkPage(page, area, size, true);
        await enableScreenReader(page);
        const keyboard = screenKeyboard(page);
        // A fixed seed: a failure can be played again.
        let seed = 20261210;
        const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
        const typed = "0123456789 abcXYZñ-.";
        const deadline = Date.now() + 120000;
        let sent = 0;
        while (sent < events && Date.now() < deadline) {
            const roll = random();
            if (roll < 0.6) {
                const shown = await windows(page);
                const target = shown[Math.floor(random() * shown.length)];
                await page.touchscreen.tap(target.x + random() * target.width, target.y + random() * target.height);
            } else if (roll < 0.85) {
                await keyboard.type(typed[Math.floor(random() * typed.length)]);
            } else if (roll < 0.95) {
                await keyboard.backspace();
            } else {
                await keyboard.enter();
            }
            ++sent;
        }
        console.log(`play: soak: ${sent} taps and on-screen keys in ${Math.round((Date.now() - deadline + 120000) / 1000)} s`);
        // Whatever prompt is open is answered, and the window is alone on the page again.
        for (let k = 0; k < 6 && (await windows(page)).length > 1; ++k) {
            await keyboard.type("1 A");
            await keyboard.enter();
            await sleep(700);
        }
        const [window] = await windows(page);
        if (!window)
            fail("after the soak the window is gone");
        window.scale = window.width / size[0];
        // "?" swaps the results list for the help text: the window's picture changes.
        const before = await shot(page, window);
        await tap(page, window, start.Command3);
        await sleep(300);
        if (difference(before, await shot(page, window), TILE).worst <= TILE_LIMIT)
            fail("after the soak a tap on \"?\" changes nothing");
        if (errors.length)
            fail(`the page reported errors: ${errors.join("; ")}`);
        console.log("play: soak passed: no page error, and the window still answers");
    } finally {
        await browser.close();
    }
}

async function windowOnly(url, tool, work, name) {
    const browser = await launch(name);
    try {
        const page = await browser.newPage();
        const area = await open(page, url);
        const { size } = startUp(tool, work);
        const scale = await checkPage(page, area, size);
        reference(tool, work, scale);
        if (!same(`start-${name}`, await shot(page, area), path.join(work, "start.png"), work, scale).ok)
            fail(`the window in ${name} does not look as on the desktop`);
        console.log(`play: ${name} shows the window`);
    } finally {
        await browser.close();
    }
}

// Median milliseconds from navigation to the window's first frame, for the program and
// for the floor (alternated, RUNS each), and from a click on "Empezar" to the prompt's.
async function timing(url, floorUrl, tool, work, runs) {
    const { controls: start, size } = startUp(tool, work);
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
            area.scale = area.width / size[0];
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
    else if (mode === "touch")
        await touchExercise(url, tool, work, name);
    else if (mode === "soak")
        await soak(url, tool, work, Number(name ?? 3000));
    else if (mode === "timing")
        await timing(url, name, tool, work, Number(extra ?? 9));
    else
        fail("usage: node play.mjs exercise|window|timing ...");
} catch (error) {
    console.error(`play: FAILED: ${error.message}`);
    process.exit(1);
}
