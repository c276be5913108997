#include "tests/search/cmd_model.h"

#include "encoding/shift_jis.h"
#include "tests/support/shift_jis_lead_bytes.h"

#include <algorithm>
#include <cctype>

namespace cmdmodel {

namespace {

constexpr std::string_view kDelimiters = " \t,;=";
constexpr std::string_view kOperators = "&|<>()";
// Characters the model does not follow cmd through: a line end, NUL, Ctrl-Z,
// and ! (delayed expansion may be switched on for every cmd in the registry).
constexpr std::string_view kUnmodelled{"\r\n\x1A!\0", 5};

// A character of the line: a lead byte with the byte after it when the page
// defines the pair, else one byte. Windows may also take an undefined pair
// whole, as its default character; read apart is the worse case.
std::size_t CharLength(std::string_view text, std::size_t at, const TAnsiCodePage& codePage) {
  const bool lead =
      codePage.LeadBytes[static_cast<unsigned char>(text[at])] && at + 1 < text.size();
  return lead && codePage.IsText(text.substr(at, 2)) ? 2 : 1;
}

// The text of a page: no byte of `undefined` on its own, and each lead byte
// followed by a trail byte that `defines` takes with it.
TAnsiCodePage PageOf(TLeadBytes lead, std::string_view undefined,
                     bool (*defines)(unsigned char lead, unsigned char trail)) {
  return {lead, [=](std::string_view text) {
            for (std::size_t i = 0; i < text.size(); ++i) {
              const auto c = static_cast<unsigned char>(text[i]);
              if (lead[c]
                      ? i + 1 == text.size() || !defines(c, static_cast<unsigned char>(text[++i]))
                      : undefined.find(text[i]) != std::string_view::npos) {
                return false;
              }
            }
            return true;
          }};
}

bool Is(std::string_view text, std::size_t at, char c) { return at < text.size() && text[at] == c; }

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// The end of the name after a % at `at`: the next % or colon, or the end.
std::size_t NameEnd(std::string_view line, std::size_t at, const TAnsiCodePage& codePage) {
  std::size_t end = at + 1;
  while (end < line.size() && line[end] != '%' && line[end] != ':') {
    end += CharLength(line, end, codePage);
  }
  if (Is(line, end, ':') && Is(line, end + 1, '%')) ++end;  // "%NAME:%" names "NAME:"
  return end;
}

// Copies the character at `at` and moves past it, unless it is a %.
bool CopiedUnlessPercent(std::string_view line, std::size_t& at, const TAnsiCodePage& codePage,
                         std::string& out) {
  if (line[at] == '%') return false;
  const std::size_t n = CharLength(line, at, codePage);
  out.append(line.substr(at, n));
  at += n;
  return true;
}

// Percent expansion on a command line (cmd /c): an undefined %NAME% stays as
// it is, and the scan goes on after its first %.
std::string ExpandCommandLine(std::string_view line, const TAnsiCodePage& codePage,
                              const TLookup& environment, TParsedLine& parsed) {
  std::string out;
  for (std::size_t i = 0; i < line.size();) {
    if (CopiedUnlessPercent(line, i, codePage, out)) continue;
    const std::size_t end = NameEnd(line, i, codePage);
    if (end < line.size()) {
      if (const auto value = environment(line.substr(i + 1, end - i - 1))) {
        ++parsed.Expansions;
        if (line[end] == '%') {
          out += *value;
          i = end + 1;
          continue;
        }
        parsed.Unmodelled = true;  // %NAME:~n,m% and %NAME:a=b%
      }
    }
    out.push_back('%');
    ++i;
  }
  return out;
}

// Percent expansion in a batch file: %% %N %~N %~dp0 %NAME% (empty when
// undefined); a lone % is dropped.
std::string ExpandScriptLine(std::string_view line, const std::vector<std::string>& arguments,
                             const TLookup& environment, std::string_view scriptFolder,
                             const TAnsiCodePage& codePage, TParsedLine& parsed) {
  const auto argument = [&](char digit) {
    const std::size_t n = static_cast<std::size_t>(digit - '0');
    return n < arguments.size() ? arguments[n] : std::string();
  };
  std::string out;
  for (std::size_t i = 0; i < line.size();) {
    if (CopiedUnlessPercent(line, i, codePage, out)) {
      continue;
    } else if (Is(line, i + 1, '%')) {
      out.push_back('%');
      i += 2;
    } else if (i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]))) {
      out += argument(line[i + 1]);
      i += 2;
    } else if (Is(line, i + 1, '*')) {
      parsed.Unmodelled = true;
      return out;
    } else if (Is(line, i + 1, '~')) {
      std::size_t digit = i + 2;
      while (digit < line.size() && std::isalpha(static_cast<unsigned char>(line[digit]))) ++digit;
      const std::string_view modifiers = line.substr(i + 2, digit - i - 2);
      if (digit == line.size() || !std::isdigit(static_cast<unsigned char>(line[digit]))) {
        parsed.Unmodelled = true;
        return out;
      }
      if (modifiers.empty()) {
        out += WithoutQuotes(argument(line[digit]));
      } else if (modifiers == "dp" && line[digit] == '0') {
        out += scriptFolder;
      } else {
        parsed.Unmodelled = true;
      }
      i = digit + 1;
    } else {
      const std::size_t end = NameEnd(line, i, codePage);
      if (end == line.size()) {
        ++i;
      } else if (line[end] == ':') {
        parsed.Unmodelled = true;
        return out;
      } else {
        out += environment(line.substr(i + 1, end - i - 1)).value_or("");
        i = end + 1;
      }
    }
  }
  return out;
}

// Quotes, carets and operators: inside double quotes every character is
// taken as it is; outside, ^ escapes the next character and is dropped.
void ReadSpecials(std::string_view line, const TAnsiCodePage& codePage, TParsedLine& parsed) {
  bool quoted = false;
  for (std::size_t i = 0; i < line.size();) {
    std::size_t n = CharLength(line, i, codePage);
    const char c = line[i];
    if (n == 1 && kUnmodelled.find(c) != std::string_view::npos) parsed.Unmodelled = true;
    if (n == 1 && c == '"') {
      quoted = !quoted;
    } else if (n == 1 && !quoted && c == '^') {
      if (++i == line.size()) {
        parsed.Unmodelled = true;  // a last caret joins the next line
        return;
      }
      n = CharLength(line, i, codePage);
      if (n == 1 && kUnmodelled.find(line[i]) != std::string_view::npos) parsed.Unmodelled = true;
    } else if (n == 1 && !quoted && kOperators.find(c) != std::string_view::npos) {
      parsed.Operators.emplace_back(1, c);
    }
    parsed.Text.append(line.substr(i, n));
    i += n;
  }
}

// The arguments of a batch file: split at delimiters outside quotes, the
// quotes kept; the first is the script's name.
std::vector<std::string> SplitArguments(std::string_view text, const TAnsiCodePage& codePage) {
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false;
  bool open = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i, codePage);
    if (n == 1 && !quoted && kDelimiters.find(text[i]) != std::string_view::npos) {
      if (open) arguments.push_back(std::move(current));
      current.clear();
      open = false;
    } else {
      if (n == 1 && text[i] == '"') quoted = !quoted;
      current.append(text.substr(i, n));
      open = true;
    }
    i += n;
  }
  if (open) arguments.push_back(std::move(current));
  return arguments;
}

TLookup LookupIn(const std::map<std::string, std::string>& environment) {
  return [&environment](std::string_view name) -> std::optional<std::string> {
    const auto found = environment.find(Upper(name));
    if (found == environment.end()) return std::nullopt;
    return found->second;
  };
}

std::string_view NextWord(std::string_view& rest) {
  const std::size_t start = std::min(rest.find_first_not_of(' '), rest.size());
  rest.remove_prefix(start);
  const std::string_view word = rest.substr(0, std::min(rest.find(' '), rest.size()));
  rest.remove_prefix(word.size());
  rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  return word;
}

// set "NAME=VALUE" or set NAME=VALUE; an empty value removes the variable.
// False for any other form of set.
bool Assign(std::string_view rest, std::map<std::string, std::string>& environment) {
  if (!rest.empty() && rest.front() == '"') rest = rest.substr(1, rest.rfind('"') - 1);
  const std::size_t equals = rest.find('=');
  if (equals == std::string_view::npos || equals == 0) return false;
  const std::string name = Upper(rest.substr(0, equals));
  const std::string_view value = rest.substr(equals + 1);
  if (value.empty()) {
    environment.erase(name);
  } else {
    environment[name] = std::string(value);
  }
  return true;
}

std::optional<std::size_t> FindLabel(const std::vector<std::string_view>& lines,
                                     std::string_view label) {
  if (!label.empty() && label.front() == ':') label.remove_prefix(1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty() && lines[i].front() == ':' && Upper(lines[i].substr(1)) == Upper(label)) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace

TAnsiCodePage CodePage932() {
  return PageOf(ShiftJisLeadBytes(), "", [](unsigned char lead, unsigned char trail) {
    return std::string_view("\x85\x86\xEB\xEC\xEF").find(static_cast<char>(lead)) ==
               std::string_view::npos &&
           IsShiftJisTrail(trail);
  });
}

TAnsiCodePage SingleBytePage() { return PageOf({}, "\x81\x8D\x8F\x90\x9D", nullptr); }

TAnsiCodePage WideDoubleBytePage() {
  TLeadBytes lead;
  for (unsigned b = 0x81; b <= 0xFE; ++b) lead[b] = true;
  return PageOf(lead, "", [](unsigned char, unsigned char trail) {
    return std::isalpha(trail) || (trail >= 0x81 && trail <= 0xFE);
  });
}

std::optional<std::string> EveryNameDefined(std::string_view name) {
  if (name.empty()) return std::nullopt;
  return "\"&x&\"";
}

TLaunch LaunchThroughCmd(std::string_view commandLine, const TAnsiCodePage& codePage,
                         const TLookup& environment) {
  TLaunch launch;
  ReadSpecials(ExpandCommandLine(commandLine, codePage, environment, launch.Parsed), codePage,
               launch.Parsed);
  launch.Arguments = SplitArguments(launch.Parsed.Text, codePage);
  return launch;
}

std::string WithoutQuotes(std::string_view argument) {
  if (!argument.empty() && argument.front() == '"') argument.remove_prefix(1);
  if (!argument.empty() && argument.back() == '"') argument.remove_suffix(1);
  return std::string(argument);
}

std::vector<std::string> ExpectedPieces(std::string_view field) {
  if (field.size() >= 2 && field.front() == '"' && field.find('"', 1) == field.size() - 1) {
    return {std::string(field.substr(1, field.size() - 2))};
  }
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while ((start = field.find_first_not_of(kDelimiters, start)) != std::string_view::npos) {
    const std::size_t end = std::min(field.find_first_of(kDelimiters, start), field.size());
    pieces.emplace_back(field.substr(start, end - start));
    start = end;
  }
  return pieces;
}

TScriptRun RunScript(std::string_view script, const std::vector<std::string>& arguments,
                     const std::map<std::string, std::string>& environment,
                     std::string_view scriptFolder, const TAnsiCodePage& codePage) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < script.size();) {
    const std::size_t end = std::min(script.find("\r\n", start), script.size());
    lines.push_back(script.substr(start, end - start));
    start = end + 2;
  }
  std::map<std::string, std::string> variables;
  // cmd keeps no variable with an empty value.
  for (const auto& [name, value] : environment) {
    if (!value.empty()) variables[Upper(name)] = value;
  }
  const TLookup lookup = LookupIn(variables);

  TScriptRun run;
  for (std::size_t at = 0, steps = 0; at < lines.size() && steps < 1000; ++at, ++steps) {
    TParsedLine line;
    ReadSpecials(ExpandScriptLine(lines[at], arguments, lookup, scriptFolder, codePage, line),
                 codePage, line);
    run.Operators.insert(run.Operators.end(), line.Operators.begin(), line.Operators.end());
    run.Unmodelled = run.Unmodelled || line.Unmodelled;
    std::string_view rest = line.Text;
    if (!rest.empty() && rest.front() == '@') rest.remove_prefix(1);
    const std::string command = Upper(NextWord(rest));
    std::optional<std::size_t> jump;
    if (command.empty() || command.front() == ':' || command == "REM" || command == "SETLOCAL" ||
        (command == "ECHO" && Upper(rest) == "OFF")) {
      continue;
    } else if (command == "SET") {
      run.Unmodelled = run.Unmodelled || !Assign(rest, variables);
    } else if (command == "GOTO") {
      if (Upper(rest) == ":EOF") break;
      jump = FindLabel(lines, rest);
      run.Unmodelled = run.Unmodelled || !jump;
    } else if (command == "IF") {
      std::string test = Upper(NextWord(rest));
      const bool negated = test == "NOT";
      if (negated) test = Upper(NextWord(rest));
      const std::string operand = Upper(NextWord(rest));
      const std::string go = Upper(NextWord(rest));
      const bool holds = test == "DEFINED" ? variables.count(operand) != 0 : operand == "0";
      if ((test != "DEFINED" && test != "ERRORLEVEL") || go != "GOTO") run.Unmodelled = true;
      if (holds != negated) {
        jump = FindLabel(lines, rest);
        run.Unmodelled = run.Unmodelled || !jump;
      }
    } else {
      run.Commands.push_back(line.Text);
    }
    if (jump) at = *jump;
  }
  return run;
}

}  // namespace cmdmodel
