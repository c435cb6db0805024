#pragma once
// A test fixture that runs its body once per processor path this machine has, forced for the
// beach's and the engine's row loops alike, and puts the start-up path back afterwards.

#include <gtest/gtest.h>

#include <string>

#include "game/scenes/beach/pixel_path.h"

class ForcedPixelPath : public testing::TestWithParam<beachpx::Path> {
  protected:
    void SetUp() override {
        before_ = beachpx::currentPath();
        if (beachpx::usePath(GetParam()) != GetParam()) {
            beachpx::usePath(before_);
            GTEST_SKIP() << "this processor lacks " << beachpx::pathName(GetParam());
        }
    }
    void TearDown() override { beachpx::usePath(before_); }

  private:
    beachpx::Path before_ = beachpx::Path::Plain;
};

// Instantiates a ForcedPixelPath suite for the three paths, each named after its path.
#define RAVEZ_FOR_EVERY_PIXEL_PATH(prefix, suite)                                          \
    INSTANTIATE_TEST_SUITE_P(                                                              \
        prefix, suite,                                                                     \
        testing::Values(beachpx::Path::Plain, beachpx::Path::Avx2, beachpx::Path::Avx512), \
        [](const testing::TestParamInfo<beachpx::Path>& param) {                           \
            return std::string(beachpx::pathName(param.param));                            \
        })
