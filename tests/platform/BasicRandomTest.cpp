#include "platform/BasicRandom.h"

#include <gtest/gtest.h>

using platform::BasicRandom;

namespace {
constexpr float kTolerance = 1e-6f;
}

TEST(BasicRandom, FreshGeneratorGivesTheRuntimeSequence) {
    BasicRandom random;
    EXPECT_NEAR(random.Rnd(1.0f), 0.7055475f, kTolerance);
    EXPECT_NEAR(random.Rnd(1.0f), 0.533424f, kTolerance);
    EXPECT_NEAR(random.Rnd(1.0f), 0.5795186f, kTolerance);
}

TEST(BasicRandom, ResetAndSeedGiveTheRuntimeSequenceWhateverCameBefore) {
    BasicRandom fresh;
    BasicRandom used;
    for (int i = 0; i < 7; ++i)
        used.Rnd(static_cast<float>(i + 1));
    used.Randomize(12345.0);
    for (BasicRandom* random : {&fresh, &used}) {
        random->Rnd(-1.0f);
        random->Randomize(0.0);
        EXPECT_NEAR(random->Rnd(1.0f), 0.3328429f, kTolerance);
        EXPECT_NEAR(random->Rnd(1.0f), 0.3203611f, kTolerance);
        EXPECT_NEAR(random->Rnd(1.0f), 0.08723754f, kTolerance);
    }
}

TEST(BasicRandom, ZeroRepeatsWithoutSteppingAndSeedsDiffer) {
    BasicRandom random;
    const float first = random.Rnd(1.0f);
    EXPECT_EQ(random.Rnd(0.0f), first);
    EXPECT_EQ(random.Rnd(0.0f), first);
    EXPECT_NEAR(random.Rnd(1.0f), 0.533424f, kTolerance);

    BasicRandom a;
    BasicRandom b;
    a.Rnd(-1.0f);
    b.Rnd(-1.0f);
    a.Randomize(1.0);
    b.Randomize(2.0);
    EXPECT_NE(a.Rnd(1.0f), b.Rnd(1.0f));
}

TEST(BasicRandom, DrawsStayInTheUnitInterval) {
    BasicRandom random;
    random.Rnd(-3.5f);
    random.Randomize(1073741823.0);
    for (int i = 0; i < 100000; ++i) {
        const float x = random.Rnd(1.0f);
        ASSERT_GE(x, 0.0f);
        ASSERT_LT(x, 1.0f);
        ASSERT_LT(static_cast<int>(x * 96.0f), 96);
    }
}
