#include "zsfind/options.h"

namespace {

constexpr std::string_view kScriptArgs = "--script-args";

// Splits "--name=value"; a bare "--name" takes the next argument.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
               std::optional<std::string>& value, std::string& error) {
  const std::string& arg = args[i];
  if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
      arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
    return true;
  }
  if (arg != name) return false;
  if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    error = std::string(name) + " needs a value";
  }
  return true;
}

void ApplyMode(const std::string& mode, TOptions& options) {
  if (mode == "fold") {
    options.Compare = TCompare::Folded;
  } else if (mode == "fold-kana") {
    options.Compare = TCompare::FoldedKana;
  } else if (mode == "exact") {
    options.Compare = TCompare::Exact;
  } else {
    options.BadMode = true;
  }
}

std::string WithoutEnclosingQuotes(std::string value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

TOptions ParseOptions(const std::vector<std::string>& args) {
  TOptions options;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string> mode;
    if (arg == "--" || arg == kScriptArgs) {
      options.ScriptArgs = arg == kScriptArgs;
      ++i;
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') break;
    if (arg == "--help" || arg == "-h" || arg == "/?") {
      options.Help = true;
    } else if (arg == "--list-variants") {
      options.ListVariants = true;
    } else if (arg == "--exact") {
      options.Compare = TCompare::Exact;
    } else if (arg == "--fold") {
      options.Compare = TCompare::Folded;
    } else if (arg == "--append") {
      options.Append = true;
    } else if (TakeValue(args, i, "--mode", mode, options.Error)) {
      if (mode) ApplyMode(*mode, options);
    } else if (!TakeValue(args, i, "--text-out", options.TextOut, options.Error) &&
               !TakeValue(args, i, "--html-out", options.HtmlOut, options.Error)) {
      options.Error = "unknown option " + arg;
    }
  }
  options.Operands.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  return options;
}

std::optional<std::vector<std::string>> ParseScriptArgs(std::string_view line) {
  std::size_t at = line.find(kScriptArgs);
  while (at != std::string_view::npos && at > 0 && line[at - 1] != ' ' && line[at - 1] != '\t') {
    at = line.find(kScriptArgs, at + 1);
  }
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view rest = line.substr(at + kScriptArgs.size());
  std::vector<std::string> values;
  for (;;) {
    const std::size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) break;
    // Each value must be a quoted stretch followed by a blank or the end.
    if (start == 0 || rest[start] != '"') return std::nullopt;
    const std::size_t close = rest.find('"', start + 1);
    if (close == std::string_view::npos) return std::nullopt;
    values.emplace_back(rest.substr(start + 1, close - start - 1));
    rest.remove_prefix(close + 1);
    if (!rest.empty() && rest[0] != ' ' && rest[0] != '\t') return std::nullopt;
  }
  return values;
}

const std::string_view kUsage =
    "使い方: zsfind [オプション] 検索語1 検索語2 データベース\n"
    "\n"
    "データベース（テキスト、１行が１レコード、改行は CR LF または LF）から、\n"
    "検索語１と検索語２の両方を含むレコードを探し、テキストと HTML の結果を書きます。\n"
    "２つの検索語が同じなら、その１語を含むレコードを探します。\n"
    "データベースの文字コードは自動で判定します: BOM つきの UTF-8・UTF-16、\n"
    "BOM なしでも UTF-8 として正しければ UTF-8、それ以外は Shift-JIS。\n"
    "\n"
    "オプション:\n"
    "  --mode fold     既定の比較。英字の大文字・小文字、全角・半角の英数字とカタカナ\n"
    "                  （濁点・半濁点つきを含む）、旧字・異体字（國と国など）を区別しない。\n"
    "                  ひらがなとカタカナは区別する。\n"
    "  --mode fold-kana  fold に加えて、ひらがなとカタカナを区別しない。\n"
    "  --mode exact    同じ文字だけを探す（２バイト文字の途中には一致しない）。\n"
    "  --fold, --exact --mode fold、--mode exact と同じ。\n"
    "  --text-out PATH テキストの結果（既定: %HOMEDRIVE%\\temp\\out.txt）\n"
    "  --html-out PATH HTML の結果（既定: %HOMEDRIVE%\\temp\\out.htm）\n"
    "  --append        結果を置き換えず、両方のファイルの末尾に追加する。\n"
    "  --script-args   以降の４引数を検索スクリプトの \"%~1\" \"%~2\" \"%~3\" \"%~4\" "
    "として受け取る。\n"
    "  --env-args      最後に置く。検索語1、検索語2、データベースを環境変数 ZUNOSEEK_WORD1、\n"
    "                  ZUNOSEEK_WORD2、ZUNOSEEK_DATABASE から受け取る（zunoseek が設定する）。\n"
    "  --list-variants 同じ文字として探す旧字・異体字の表を、１行に１組ずつ表示する。\n"
    "  --help          この説明を表示する。\n"
    "  --version       バージョンを表示する（単独で指定）。\n"
    "\n"
    "結果のフォルダーがなければ作ります。不正な入力でも、問題を記した結果を書きます。\n"
    "終了コード: 0 該当あり、1 該当なし、2 検索語・引数の誤り、\n"
    "            3 データベースを読めない、4 結果を書けない、5 メモリー不足。\n";

std::vector<std::string> WithLauncherValues(std::vector<std::string> args,
                                            const TVariableLookup& lookup) {
  if (args.empty() || args.back() != kEnvArgs) return args;
  args.back() = "--";
  for (const char* name : kScriptVariables) {
    const char* value = lookup(name);
    args.push_back(WithoutEnclosingQuotes(value != nullptr ? value : ""));
  }
  return args;
}
