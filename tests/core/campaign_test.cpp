#include "core/campaign.h"

#include <gtest/gtest.h>

using zel::Campaign;

TEST(Campaign, KeyIsYearThenTwoDigitNumber)
{
    EXPECT_EQ((Campaign{2007, 5}).key(), 200705);
    EXPECT_EQ((Campaign{2010, 26}).key(), 201026);
    EXPECT_EQ(Campaign::fromKey(200705), (Campaign{2007, 5}));
    EXPECT_LT((Campaign{2007, 26}), (Campaign{2008, 1}));
}

TEST(Campaign, StepsWrapAroundTheYearAtItsLastNumber)
{
    EXPECT_EQ((Campaign{2008, 1}).previous(26), (Campaign{2007, 26}));
    EXPECT_EQ((Campaign{2008, 5}).previous(26), (Campaign{2008, 4}));
    EXPECT_EQ((Campaign{2008, 26}).next(26), (Campaign{2009, 1}));
    EXPECT_EQ((Campaign{2008, 25}).next(26), (Campaign{2008, 26}));
    // A current number already past a shortened year still moves into the next year.
    EXPECT_EQ((Campaign{2008, 28}).next(26), (Campaign{2009, 1}));
}

TEST(Campaign, BackCountsAcrossTheYearBoundary)
{
    EXPECT_EQ((Campaign{2008, 2}).back(3, 30), (Campaign{2007, 29}));
    EXPECT_EQ((Campaign{2008, 1}).back(2, 30), (Campaign{2007, 29}));
    EXPECT_EQ((Campaign{2008, 9}).back(3, 30), (Campaign{2008, 6}));
    EXPECT_EQ((Campaign{2008, 9}).back(0, 30), (Campaign{2008, 9}));
}
