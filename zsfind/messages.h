#pragma once
// Texts of the result files and the console, in Shift-JIS. None of them is a
// format string: user text is joined to them, never formatted through them.

#include "zsfind/char_fold.h"

#include <string_view>

namespace zsmsg {

inline constexpr std::string_view kTitle = "検索結果";
inline constexpr std::string_view kWords = "検索語：";
inline constexpr std::string_view kDatabase = "データベース：";
inline constexpr std::string_view kCompare = "比較：";
inline constexpr std::string_view kFolded = "大文字・小文字、全角・半角、旧字・異体字を区別しない";
inline constexpr std::string_view kFoldedKana =
    "大文字・小文字、全角・半角、旧字・異体字、ひらがな・カタカナを区別しない";
inline constexpr std::string_view kExact = "完全一致";
inline constexpr std::string_view kCount = "該当：";
inline constexpr std::string_view kCountUnit = " 件";
inline constexpr std::string_view kNotSearched = "検索できません";
inline constexpr std::string_view kEncoding = "文字コード：";
inline constexpr std::string_view kReplaced = "Shift-JIS にない文字：";
inline constexpr std::string_view kReplacedUnit = " 字（〓で表示）";
inline constexpr std::string_view kProblem = "エラー：";
inline constexpr std::string_view kNote = "注意：";
inline constexpr std::string_view kOpenQuote = "「";
inline constexpr std::string_view kCloseQuote = "」";

inline constexpr std::string_view kNoWord = "検索語が指定されていません。";
inline constexpr std::string_view kBadWord =
    "検索語に改行または不完全な２バイト文字が含まれています。";
inline constexpr std::string_view kNoDatabase = "データベースが指定されていません。";
inline constexpr std::string_view kDatabaseMissing =
    "データベースのファイルが見つからないか、開けません。";
inline constexpr std::string_view kNotAFile =
    "データベースがファイルではありません（CON、COM1 などの装置やパイプは読めません）。";
inline constexpr std::string_view kReadFailed = "データベースの読み込み中にエラーが起きました。";
inline constexpr std::string_view kLongRecords =
    "件のレコードは長すぎる（16 MiB を超える）ため、検索していません。";
inline constexpr std::string_view kTooManyArguments =
    "検索語またはデータベース名が空白・コンマ・セミコロン・等号で分かれてしまいました。"
    "それらを含む語やファイル名は、全体を二重引用符（\"）で囲んでください。";
inline constexpr std::string_view kQuoteInArguments =
    "検索語またはデータベース名の二重引用符（\"）を正しく受け取れませんでした。"
    "検索語に二重引用符は使えません。";
inline constexpr std::string_view kBadMode =
    "比較方法の設定が正しくありません（fold、fold-kana または exact を指定してください）。";
inline constexpr std::string_view kWordNotInCodePage =
    "検索語に Shift-JIS の文字として定義されていないバイトが含まれているため、"
    "UTF-8・UTF-16 のデータベースでは探せません。";
inline constexpr std::string_view kMalformed =
    "ファイルの一部が、判定した文字コードとして正しくありませんでした。"
    "その部分は別の文字コードで書かれているかもしれず、そこでは検索語が見つからないことがあります"
    "。";
inline constexpr std::string_view kBadOptions = "zsfind の呼び出し方が正しくありません。";
inline constexpr std::string_view kUnfinished =
    "検索が終わっていません（まだ検索中か、途中で止まりました）。";
inline constexpr std::string_view kOutOfMemory =
    "メモリーが足りないため、検索を最後まで行えませんでした。";
inline constexpr std::string_view kCannotWrite = "結果のファイルを書き換えられません：";

// The HTML result's year chart.
inline constexpr std::string_view kChartTitle = "年代別の該当件数";
inline constexpr std::string_view kChartRecordsWithYear = "年のあるレコード ";
inline constexpr std::string_view kDecadeSuffix = "年代";

inline std::string_view CompareName(TCompare compare) {
  switch (compare) {
    case TCompare::Folded:
      return kFolded;
    case TCompare::FoldedKana:
      return kFoldedKana;
    case TCompare::Exact:
      return kExact;
  }
  return {};
}
// The HTML result's field headings: what a field holds, or 欄 and its number.
inline constexpr std::string_view kFieldRecordNumber = "番号";
inline constexpr std::string_view kFieldYear = "年";
inline constexpr std::string_view kFieldPages = "ページ";
inline constexpr std::string_view kFieldNumber = "数値";
inline constexpr std::string_view kFieldUrl = "URL";
inline constexpr std::string_view kFieldUnnamed = "欄";

}  // namespace zsmsg
