#include "zsfind/page_script.h"

// Plain ES5 that browsers run as it stands. A section's records (table rows
// and paragraphs) are kept in an array; sorting and filtering change which of
// them the chunks hold and in what order, and a chunk off screen is not laid
// out. Record text is only ever read and set as text, never as markup. The
// text must hold no "</" (it would end the script element).
std::string_view PageScript() {
  return R"js(
(function () {
  "use strict";
  var doc = document;
  // Without these the page stays as written: every record, no controls.
  if (!window.TextDecoder || !"".normalize || !Element.prototype.replaceChildren) return;
  // Set before the body is laid out, so that the chunks' heading rows are
  // hidden from the start rather than laid out again when the controls come.
  doc.documentElement.className = "js";
  var CHUNK = 64;  // records a chunk holds, as zsfind writes them
  var YEAR = /^[ \u3000]*([0-9\uFF10-\uFF19]{4})年?[ \u3000]*$/;
  var NUMBER = /^\s*(?:pp?\.\s*)?(\d+(?:\.\d+)?)/;
  var each = function (list, f) { Array.prototype.forEach.call(list, f); };
  var rank = null;

  function make(tag, cls, text) {
    var e = doc.createElement(tag);
    if (cls) e.className = cls;
    if (text != null) e.textContent = text;
    return e;
  }
  function button(text, action) {
    var b = make("button", null, text);
    b.type = "button";
    b.addEventListener("click", action);
    return b;
  }
  // Width and case folded, as zsfind compares by default; kana stay apart.
  function fold(s) { return s.normalize("NFKC").toLowerCase(); }

  // Each UTF-16 unit's place in the order of code page 932, the order of the
  // database's own sorted files: byte b as b * 256, a pair of bytes as
  // lead * 256 + trail; 0xFFFF for characters the code page lacks.
  function makeRanks() {
    var bytes = [], codes = [], lead, trail, i, c;
    rank = new Uint16Array(65536).fill(0xFFFF);
    for (i = 0; i < 0x80; i++) rank[i] = i << 8;
    for (i = 0xA1; i < 0xE0; i++) rank[0xFF61 + i - 0xA1] = i << 8;
    for (lead = 0x81; lead < 0xFD; lead = lead === 0x9F ? 0xE0 : lead + 1) {
      for (trail = 0x40; trail < 0xFD; trail++) {
        if (trail !== 0x7F) {
          bytes.push(lead, trail, 10);
          codes.push(lead << 8 | trail);
        }
      }
    }
    var chars = new TextDecoder("shift_jis").decode(new Uint8Array(bytes)).split("\n");
    for (i = 0; i < codes.length; i++) {
      c = chars[i].charCodeAt(0);
      if (chars[i].length === 1 && c !== 0xFFFD && rank[c] === 0xFFFF) rank[c] = codes[i];
    }
  }
  function compareText(a, b) {
    for (var i = 0, n = Math.min(a.length, b.length); i < n; i++) {
      var x = a.charCodeAt(i), y = b.charCodeAt(i);
      if (x !== y) return rank[x] !== rank[y] ? rank[x] - rank[y] : x - y;
    }
    return a.length - b.length;
  }

  // A table row, not a paragraph. (Asking a row for its cells or its name
  // makes a new object each time, too slow for every record of a sort.)
  function isRow(r) { return r instanceof HTMLTableRowElement; }
  // A record's fields: a row's cells, or a paragraph as one field.
  function cells(S, i) {
    var r = S.recs[i], c = S.cells[i], td;
    if (!c) {
      c = S.cells[i] = isRow(r) ? [] : [r.textContent];
      for (td = isRow(r) && r.firstElementChild; td; td = td.nextElementSibling) {
        c.push(td.textContent);
      }
    }
    return c;
  }
  // One field, read on its own: a sort needs only its column.
  function field(S, i, col) {
    if (S.cells[i]) return S.cells[i][col] || "";
    var r = S.recs[i], td = isRow(r) ? r.firstElementChild : col ? null : r;
    while (td && col--) td = td.nextElementSibling;
    return td ? td.textContent : "";
  }
  function textOf(S, i) {
    return S.texts[i] || (S.texts[i] = fold(cells(S, i).join("\t")));
  }
  function decadeOf(S, i) {
    if (S.decades[i] === undefined) {
      var m = YEAR.exec(field(S, i, S.field));
      var year = m ? +fold(m[1]) : 0;
      S.decades[i] = year >= 1600 && year < 2100 ? year - year % 10 : null;
    }
    return S.decades[i];
  }

  // The shown records, in order, a chunk's worth in each chunk; runs of rows
  // in tables with the section's heading row. The chunks are emptied first
  // and each one's new content is put together outside the page and goes in
  // at once: moving records within the page one by one is slower.
  function render(S) {
    var chunks = S.rs.querySelectorAll(":scope>.k"), list = S.shown, c, at, k, parts, rows, r;
    each(chunks, function (chunk) { chunk.textContent = ""; });
    for (c = 0; c * CHUNK < list.length || c < chunks.length; c++) {
      k = chunks[c] || S.rs.appendChild(make("div", "k"));
      parts = [];
      rows = null;
      for (at = c * CHUNK; at < list.length && at < (c + 1) * CHUNK; at++) {
        r = S.recs[list[at]];
        if (isRow(r)) {
          if (!rows) {
            parts.push(S.table.cloneNode(true));
            rows = parts[parts.length - 1].tBodies[0];
          }
          rows.appendChild(r);
        } else {
          parts.push(r);
          rows = null;
        }
      }
      k.replaceChildren.apply(k, parts);
      k.hidden = !parts.length;
    }
  }
  // The section's records in page order, gathered when first needed: making
  // an object for each of them is work the page's loading can do without.
  function records(S) {
    if (S.recs) return;
    S.recs = [];
    each(S.parts, function (part) {
      if (part.tBodies) S.recs.push.apply(S.recs, part.tBodies[0].rows);
      else S.recs.push(part);
    });
    S.order = S.recs.map(function (r, i) { return i; });
    S.shown = S.order;
  }
  function show(S) {
    records(S);
    var text = S.text, decade = S.decade;
    S.shown = !text && decade === null ? S.order : S.order.filter(function (i) {
      return (decade === null || decadeOf(S, i) === decade) &&
        (!text || textOf(S, i).indexOf(text) >= 0);
    });
    render(S);
    S.count.textContent = S.shown.length + " / " + S.recs.length + " 件";
    S.note.textContent = "";
  }

  function keys(S, col) {
    if (!rank) makeRanks();
    return S.keys[col] || (S.keys[col] = S.recs.map(function (r, i) {
      var t = field(S, i, col), m = S.numeric[col] && NUMBER.exec(fold(t));
      return { t: t, n: m ? parseFloat(m[1]) : NaN };
    }));
  }
  // Rising, or falling on a second click; numbers before other text, empty
  // cells last either way, ties in the order they had.
  function sort(S, col) {
    records(S);
    var k = keys(S, col), place = [], dir = S.col === col ? -S.dir : 1;
    S.col = col;
    S.dir = dir;
    S.order.forEach(function (r, at) { place[r] = at; });
    S.order = S.order.slice().sort(function (a, b) {
      var x = k[a], y = k[b], xn = x.n === x.n, yn = y.n === y.n;
      if (!x.t || !y.t) return !x.t - !y.t || place[a] - place[b];
      var c = xn && yn ? x.n - y.n : yn - xn;
      return (c || compareText(x.t, y.t)) * dir || place[a] - place[b];
    });
    each(S.heads, function (th, c) {
      var on = c === col;
      if (on) th.setAttribute("aria-sort", dir > 0 ? "ascending" : "descending");
      else th.removeAttribute("aria-sort");
      th.firstChild.textContent = S.names[c] + (on ? (dir > 0 ? " ▲" : " ▼") : "");
    });
    show(S);
  }
  function markBars(S) {
    S.figure.classList.toggle("pick", S.decade !== null);
    each(S.bars, function (bar) {
      var on = +bar.getAttribute("data-decade") === S.decade;
      bar.classList.toggle("on", on);
      bar.setAttribute("aria-pressed", on);
    });
    S.all.setAttribute("aria-pressed", S.decade === null);
  }
  function pick(S, decade) {
    S.decade = decade === S.decade ? null : decade;
    markBars(S);
    show(S);
  }

  // The shown records with the headings first, each line as wide as the widest.
  // A field a spreadsheet would take for a formula (=, +, -, @ first) gets an
  // apostrophe before it, so that it stays text there.
  function grid(S) {
    records(S);
    var all = [S.names].concat(S.shown.map(function (i) { return cells(S, i); })), width = 0;
    all.forEach(function (l) { width = Math.max(width, l.length); });
    return all.map(function (l, n) {
      var out = [];
      for (var j = 0; j < width; j++) {
        var f = j < l.length ? l[j] : n ? "" : "欄" + (j + 1);
        out.push(/^[=+\-@\t\r]/.test(f) ? "'" + f : f);
      }
      return out;
    });
  }
  function save(S) {
    var csv = grid(S).map(function (l) {
      return l.map(function (f) {
        return /[",\r\n]/.test(f) ? '"' + f.replace(/"/g, '""') + '"' : f;
      }).join(",") + "\r\n";
    }).join("");
    var a = make("a"), url = URL.createObjectURL(new Blob(["\uFEFF" + csv], { type: "text/csv" }));
    a.href = url;
    a.download = "検索結果" + S.number + ".csv";
    doc.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
  }
  function copy(S) {
    var text = grid(S).map(function (l) { return l.join("\t") + "\r\n"; }).join("");
    var say = function (what) { return function () { S.note.textContent = what; }; };
    var failed = say("コピーできませんでした");
    // A page served over plain HTTP has no clipboard to write to.
    if (navigator.clipboard) navigator.clipboard.writeText(text).then(say("コピーしました"), failed);
    else failed();
  }

  function addHeadings(S) {
    var widest = null;
    each(S.parts, function (part) {
      var head = part.tHead;
      if (head && (!widest || head.rows[0].cells.length > widest.rows[0].cells.length)) {
        widest = head;
      }
    });
    if (!widest) return;
    S.table = widest.parentNode.cloneNode(false);
    S.table.appendChild(widest.cloneNode(true));
    S.table.appendChild(make("tbody"));
    var sticky = make("div", "hd"), head = widest.cloneNode(true);
    S.heads = head.rows[0].cells;
    each(S.heads, function (th, col) {
      S.names.push(th.textContent);
      S.numeric.push(th.classList.contains("n"));
      th.replaceChildren(button(th.textContent, function () { sort(S, col); }));
    });
    sticky.appendChild(widest.parentNode.cloneNode(false)).appendChild(head);
    S.rs.insertBefore(sticky, S.rs.firstChild);
  }
  function addTools(S) {
    var bar = make("div", "tools"), box = make("input");
    box.type = "search";
    box.placeholder = "絞り込み";
    box.setAttribute("aria-label", "表示するレコードを絞り込む");
    box.addEventListener("input", function () { S.text = fold(box.value); show(S); });
    S.count = make("output");
    S.note = make("span");
    bar.append(box, S.count, button("CSV で保存", function () { save(S); }),
      button("タブ区切りでコピー", function () { copy(S); }), S.note);
    S.rs.parentNode.insertBefore(bar, S.rs);
  }
  function addBars(S) {
    var figure = S.section.querySelector("figure.chart[data-field]");
    if (!figure) return;
    S.figure = figure;
    S.field = +figure.getAttribute("data-field");
    S.bars = figure.querySelectorAll("rect[data-decade]");
    each(S.bars, function (bar) {
      var choose = function () { pick(S, +bar.getAttribute("data-decade")); };
      bar.setAttribute("tabindex", "0");
      bar.setAttribute("role", "button");
      bar.addEventListener("click", choose);
      bar.addEventListener("keydown", function (event) {
        if (event.key === "Enter" || event.key === " ") {
          event.preventDefault();
          choose();
        }
      });
    });
    S.all = figure.insertBefore(button("すべて", function () { pick(S, null); }),
      figure.querySelector("figcaption"));
    markBars(S);
  }

  function setUp(section, number) {
    var rs = section.querySelector(".rs");
    if (!rs) return;
    var S = {
      section: section, rs: rs, number: number, names: [], numeric: [], heads: [], keys: [],
      cells: [], texts: [], decades: [], text: "", decade: null, col: -1, dir: 1, parts: []
    };
    // The chunks' tables and paragraphs, found by walking down to them: a
    // selector would visit every cell of a large result.
    var total = 0;
    each(rs.children, function (k) { S.parts.push.apply(S.parts, k.children); });
    each(S.parts, function (part) { total += part.tBodies ? part.tBodies[0].rows.length : 1; });
    addHeadings(S);
    addTools(S);
    addBars(S);
    S.count.textContent = total + " / " + total + " 件";
  }
  doc.addEventListener("DOMContentLoaded", function () {
    each(doc.querySelectorAll("section"), function (section, i) { setUp(section, i + 1); });
    // The first sort need not wait for the order of the code page.
    if (window.requestIdleCallback) requestIdleCallback(function () { if (!rank) makeRanks(); });
  });
})();
)js";
}
