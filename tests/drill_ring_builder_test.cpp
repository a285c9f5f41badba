#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <gtest/gtest.h>

using testing_support::Harness;

TEST(RingBuilder, DraggingAGroupOntoAPositionRecordsItAndShowsItsPicture) {
    Harness h;
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    h.drag(h.image("Image3", 15), h.image("Image5", 6));
    DrillProbe drill(h.screen());
    EXPECT_EQ(drill.ringGroup(6), 15);
    EXPECT_TRUE(h.image("Image4", 6).visible());
    EXPECT_TRUE(h.image("Image5", 6).picturePath().endsWith(QStringLiteral("ki(15,2).gif")));
    EXPECT_FALSE(h.image("Image3", 15).hasPicture());
    EXPECT_EQ(h.image("Image5", 6).borderStyle(), 0);
}
