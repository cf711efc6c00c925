// Serves a folder over http on 127.0.0.1, as any web server would serve dist/web/:
//   node serve.mjs FOLDER PORT
// Prints "serving" once it listens. Only files inside FOLDER are given out.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import path from "node:path";

const [folder, port] = process.argv.slice(2);
const root = path.resolve(folder);
const types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".wasm": "application/wasm",
    ".svg": "image/svg+xml",
};

createServer(async (request, response) => {
    const wanted = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    const file = path.join(root, wanted.endsWith("/") ? wanted + "index.html" : wanted);
    if (!file.startsWith(root + path.sep)) {
        response.writeHead(403).end();
        return;
    }
    try {
        const body = await readFile(file);
        response.writeHead(200, { "Content-Type": types[path.extname(file)] ?? "application/octet-stream" });
        response.end(body);
    } catch {
        response.writeHead(404).end();
    }
}).listen(Number(port), "127.0.0.1", () => console.log("serving"));
