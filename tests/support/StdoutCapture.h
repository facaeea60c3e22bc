/* What a piece of test code prints: the loaders and tables report on stdout, and the tests either
 * compare that text or keep it out of the test log. */
#ifndef STDOUT_CAPTURE_H
#define STDOUT_CAPTURE_H

#include <gtest/gtest.h>

#include <string>

/* Runs f and returns what it printed on stdout. */
template <typename F> std::string Stdout(F f)
{
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

#endif
