#!/usr/bin/env python3
"""Makes the sample bibliography: fictitious but realistic records, one per
line, in Shift-JIS (code page 932) with CR LF line ends.

  make_sample_db.py OUT_DIR [--records N]
      writes the six files of the default database list into OUT_DIR
  make_sample_db.py --big FILE --megabytes M
      writes one large mixed file (for the benchmark)

Seeded: every run gives the same files.
"""
import argparse
import os
import random

SURNAMES = ("山田 佐藤 鈴木 高橋 髙橋 田中 渡辺 伊藤 中村 小林 加藤 吉田 山本 斎藤 齋藤 松本 井上 木村 "
            "林 清水 山崎 森 池田 橋本 阿部 石川 前田 藤田 小川 岡田 後藤 長谷川 村上 近藤 坂本 遠藤 "
            "青木 藤井 西村 福田 太田 三浦 岡本 松田 中川 中野 原田 小野 田村 竹内 金子 和田 中山 "
            "石田 上田 森田 原 柴田 酒井 工藤 横山 宮崎 宮本 内田 高木 安藤 谷口 大野 丸山 今井 "
            "河野 藤原 村田 武田 上野 杉山 増田 能登 表 曽根 十河 神田 土屋").split()
GIVEN = ("太郎 花子 一郎 次郎 正 博 誠 茂 明 健一 和子 洋子 幸子 裕子 智子 隆 清 勇 進 実 浩 "
         "修 豊 聡 学 剛 恵子 美穂 真理 由美 直樹 拓也 健太 翔 陽子 純一 信夫 昭 勝 稔 "
         "十三 能久 表三 彰 纊一 晃").split()
FOREIGN = ("J. Smith", "M. Johnson", "A. Mueller", "P. Dubois", "K. Anderson", "R. Garcia",
           "T. O'Brien", "L. Nguyen", "S. Kowalski", "H. Schmidt")
FOREIGN_KANA = ("スミス", "ジョンソン", "ミュラー", "デュボワ", "アンダーソン", "ガルシア",
                "ヴァーグナー", "チャン", "コワルスキ", "シュミット")
TOPICS = ("超伝導体", "表面拡散", "ソフトウェア工学", "能動騒音制御", "構造解析", "銅錯体", "高分子膜",
          "光触媒", "半導体レーザー", "データベース", "機械翻訳", "形態素解析", "遺伝子発現",
          "タンパク質", "酵素反応", "地震波", "火山ガス", "気候変動", "海洋循環", "森林生態系",
          "量子ドット", "ニューラルネットワーク", "画像認識", "音声合成", "暗号", "分散処理",
          "ヂアミン", "ガラス転移", "磁性薄膜", "液晶", "燃料電池", "リチウム電池", "ｶﾞｽｸﾛﾏﾄｸﾞﾗﾌｨｰ",
          "ｱﾐﾉ酸", "ＤＮＡ修復", "ＣＰＵ設計", "ＬＳＩ", "ＵＮＩＸ", "鉄筋コンクリート", "橋梁",
          "微分方程式", "整数論", "グラフ理論", "確率過程", "有限要素法", "流体力学", "乱流",
          "熱伝導", "結晶成長", "薄膜トランジスタ", "有機ＥＬ", "ペプチド", "抗体", "免疫応答",
          "睡眠", "記憶", "言語獲得", "方言", "古文書", "江戸時代", "港湾", "都市計画", "交通流",
          "予防医学", "申告制度", "能楽", "表計算", "ソ連経済", "纊の字形", "①式の一般化")
SETTINGS = ("における", "を用いた", "の", "に関する", "による", "を含む", "と")
ENDINGS = ("研究", "解析", "評価", "測定", "実験的検討", "理論的考察", "一考察", "設計", "応用",
           "モデル化", "シミュレーション", "予備的報告", "開発", "比較", "特性")
EN_TOPICS = ("superconductivity", "surface diffusion", "software testing", "machine translation",
             "protein folding", "seismic waves", "neural networks", "fuel cells", "graph theory",
             "turbulent flow", "crystal growth", "immune response", "DNA repair", "LSI design")
JOURNALS = ("日本化学会誌", "応用物理", "情報処理学会論文誌", "電子情報通信学会論文誌", "物性研究",
            "日本機械学会論文集", "土木学会論文集", "生化学", "地震", "火山", "海の研究",
            "日本建築学会計画系論文集", "言語研究", "史学雑誌", "数学", "医学のあゆみ",
            "ソフトウェア科学", "能楽研究", "表面科学", "Journal of Applied Physics",
            "Physical Review B", "IEEE Transactions on Computers", "Nature", "Ｊ．Ｃｈｅｍ．Ｓｏｃ．")
CLASSES = ("化学／無機", "化学／有機", "化学／高分子", "物理／物性", "物理／応用", "情報／計算機",
           "情報／言語処理", "生物／分子", "生物／生態", "地学／地震", "地学／海洋", "数学／代数",
           "数学／解析", "工学／機械", "工学／土木", "工学／電気", "医学／予防", "人文／歴史",
           "人文／言語", "人文／芸能")


def author(rng):
    kind = rng.random()
    if kind < 0.08:
        return rng.choice(FOREIGN)
    if kind < 0.14:
        return rng.choice(FOREIGN_KANA) + "，" + rng.choice("ＡＢＣＤＥＨＪＫＭＲＳＴ") + "．"
    return rng.choice(SURNAMES) + "　" + rng.choice(GIVEN)


def title(rng):
    if rng.random() < 0.15:
        topic = rng.choice(EN_TOPICS)
        return rng.choice(("A study of ", "On ", "Measurements of ", "Notes on ")) + topic + (
            rng.choice(("", " in thin films", " at low temperature", " (II)", " revisited")))
    parts = [rng.choice(TOPICS)]
    if rng.random() < 0.6:
        parts += [rng.choice(SETTINGS), rng.choice(TOPICS)]
    parts += ["の", rng.choice(ENDINGS)]
    text = "".join(parts)
    if rng.random() < 0.1:
        text += rng.choice(("（第２報）", "（Ⅱ）", "（その３）", "―予報―"))
    return text


def record(rng, number):
    authors = "・".join(author(rng) for _ in range(rng.choice((1, 1, 2, 2, 3, 4))))
    year = rng.randint(1950, 2023)
    first = rng.randint(1, 1500)
    return {
        "number": number,
        "authors": authors,
        "year": year,
        "title": title(rng),
        "journal": rng.choice(JOURNALS),
        "volume": rng.randint(1, 120),
        "pages": "%d-%d" % (first, first + rng.randint(1, 40)),
        "class": rng.choice(CLASSES),
    }


def line(r):
    return "%06d\t%s\t%d\t%s\t%s\t%d\t%s\t%s" % (
        r["number"], r["authors"], r["year"], r["title"], r["journal"], r["volume"], r["pages"],
        r["class"])


def encode(lines):
    return "".join(l + "\r\n" for l in lines).encode("cp932")


ORDERS = (
    ("番号順.txt", lambda r: r["number"]),
    ("著者名.txt", lambda r: (r["authors"].encode("cp932"), r["number"])),
    ("年代順.txt", lambda r: (r["year"], r["number"])),
    ("分類順.txt", lambda r: (r["class"].encode("cp932"), r["number"])),
    ("論文名.txt", lambda r: (r["title"].encode("cp932"), r["number"])),
)


def write_samples(out_dir, count):
    rng = random.Random(1987)
    records = [record(rng, n) for n in range(1, count + 1)]
    os.makedirs(out_dir, exist_ok=True)
    for name, key in ORDERS:
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(encode(line(r) for r in sorted(records, key=key)))
    mixed = rng.sample(records, min(200, count))
    with open(os.path.join(out_dir, "data.txt"), "wb") as f:
        f.write(encode(line(r) for r in mixed))


def write_big(path, megabytes):
    rng = random.Random(2024)
    limit = megabytes * 1024 * 1024
    written, number = 0, 1
    with open(path, "wb") as f:
        while written < limit:
            block = encode(line(record(rng, n)) for n in range(number, number + 10000))
            number += 10000
            f.write(block)
            written += len(block)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out_dir", nargs="?")
    parser.add_argument("--records", type=int, default=3000)
    parser.add_argument("--big")
    parser.add_argument("--megabytes", type=int, default=200)
    args = parser.parse_args()
    if args.big:
        write_big(args.big, args.megabytes)
    elif args.out_dir:
        write_samples(args.out_dir, args.records)
    else:
        parser.error("give OUT_DIR or --big FILE")


if __name__ == "__main__":
    main()
