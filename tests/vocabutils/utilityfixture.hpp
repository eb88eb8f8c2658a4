#pragma once
// A fresh console and a fresh current directory for a utility and its files.
#include <gtest/gtest.h>

#include "support.hpp"

class UtilityTest : public testing::Test {
 protected:
  Session s;
  TempDir dir;
};
