#pragma once
// Tests of what permission bits forbid a player. Root passes every permission check, so these
// skip as root; ctest then runs them again as an ordinary user (see run_as_player.sh). Their
// suites end in "AsPlayer", which is how that run picks them.

#include <gtest/gtest.h>
#include <unistd.h>

#define ORVANE_SKIP_AS_ROOT()                                                                      \
    if (::geteuid() == 0)                                                                          \
    GTEST_SKIP() << "root passes every permission check; ctest runs this again as an ordinary "    \
                    "user"
