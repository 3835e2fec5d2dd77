#include "transmit/browser_trouble.h"

#include <gtest/gtest.h>

using namespace zel::transmit;

// The browser's technical lines in her words; the company's own words stay as they are.
TEST(BrowserTrouble, TechnicalLinesAreSaidInHerWords)
{
    EXPECT_EQ(inPlainWords("RuntimeError: cannot open https://order.example: unknown error: net::ERR_NAME_NOT_RESOLVED, line: 3"),
              "The company's order page could not be reached. Check the internet connection, then try again.");
    EXPECT_TRUE(inPlainWords("RuntimeError: element SELECT specified by NAME:campaign0 was not found, line: 10")
                    .startsWith("The order page did not show the campaign box: the company may have changed the page"));
    EXPECT_TRUE(inPlainWords("RuntimeError: element INPUT specified by NAME:qty3 was not found, line: 12").contains("the quantity box"));
    EXPECT_EQ(inPlainWords("The macro did not finish within 600 seconds, line: 4"),
              "The order page did not answer in time. Check the internet connection, then try again.");
    EXPECT_EQ(inPlainWords("RuntimeError: entry C27 not available in the list, line: 9"),
              "The order page does not offer C27 in its list: check the campaign, then try again.");
    EXPECT_EQ(inPlainWords("Error: product 10028 is not available"), "Error: product 10028 is not available");
    EXPECT_FALSE(isTechnical("Item added to your order"));
}
