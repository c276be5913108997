#pragma once
// One search as the request asks for it and the reports describe it: the
// words, the database and how the words are compared.

#include "zsfind/word_pattern.h"

#include <string>

struct TQuery {
  std::string Word1;
  std::string Word2;  // empty for a one-word search
  std::string Database;
  TCompare Compare = TCompare::Folded;
};
