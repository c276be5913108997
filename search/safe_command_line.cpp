#include "search/safe_command_line.h"

namespace {

// Every double-byte code page Windows has puts its trail bytes at 0x40 and
// above, where no character cmd treats specially lies: a lead byte followed
// by a lower byte would swallow that byte (a blank, a quote) into one
// character, or stand alone at the end of its field.
constexpr unsigned char kLowestTrailByte = 0x40;
constexpr std::string_view kEscaped = "&|<>()^";

bool IsLead(const TLeadBytes& leadBytes, char c) {
  return leadBytes[static_cast<unsigned char>(c)];
}

// The one pair of double quotes a field may carry: around all of it, as the
// file dialog puts a path.
bool IsQuotedWhole(std::string_view field) {
  return field.size() >= 2 && field.front() == '"' && field.find('"', 1) == field.size() - 1;
}

TRefusal CheckField(std::string_view field, const TAnsiCodePage& codePage) {
  const TLeadBytes& leadBytes = codePage.LeadBytes;
  if (field.find('"') != std::string_view::npos && !IsQuotedWhole(field)) return TRefusal::Quote;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const auto c = static_cast<unsigned char>(field[i]);
    if (IsLead(leadBytes, field[i])) {
      if (i + 1 == field.size() || static_cast<unsigned char>(field[i + 1]) < kLowestTrailByte) {
        return TRefusal::BrokenCharacter;
      }
      ++i;
    } else if (c < 0x20 && c != '\t') {
      return TRefusal::ControlCharacter;
    } else if (c == '%' || c == '!') {
      return TRefusal::Expansion;
    }
  }
  return codePage.IsText(field) ? TRefusal::None : TRefusal::BrokenCharacter;
}

// A caret before each operator and caret; a quoted field is left as it is,
// since inside quotes cmd takes them literally and would keep the caret.
std::string Escaped(std::string_view field, const TLeadBytes& leadBytes) {
  if (IsQuotedWhole(field)) return std::string(field);
  std::string escaped;
  escaped.reserve(field.size() * 2);
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (IsLead(leadBytes, field[i])) {
      escaped.append(field.substr(i, 2));
      ++i;
      continue;
    }
    if (kEscaped.find(field[i]) != std::string_view::npos) escaped.push_back('^');
    escaped.push_back(field[i]);
  }
  return escaped;
}

}  // namespace

std::string BuildCommandLine(std::string_view script, std::string_view word1,
                             std::string_view word2, std::string_view database) {
  std::string line;
  line.reserve(script.size() + word1.size() + word2.size() + database.size() + 3);
  line.append(script).append(" ").append(word1).append(" ").append(word2).append(" ");
  line.append(database);
  return line;
}

TSafeCommandLine SafeCommandLine(std::string_view script, std::string_view word1,
                                 std::string_view word2, std::string_view database,
                                 const TAnsiCodePage& codePage, std::string_view cmdPrefix) {
  for (std::string_view field : {word1, word2, database}) {
    if (const TRefusal refusal = CheckField(field, codePage); refusal != TRefusal::None) {
      return {{}, refusal};
    }
  }
  const TLeadBytes& leadBytes = codePage.LeadBytes;
  std::string line = BuildCommandLine(script, Escaped(word1, leadBytes), Escaped(word2, leadBytes),
                                      Escaped(database, leadBytes));
  if (cmdPrefix.size() + line.size() + kCmdLineSuffix.size() > kCmdLineLimit) {
    return {{}, TRefusal::TooLong};
  }
  return {std::move(line), TRefusal::None};
}
