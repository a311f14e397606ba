#include <gtest/gtest.h>

#include "refhost/preview/Camera.h"
#include "refhost/preview/PanelPainter.h"
#include "tests/refhost/preview/TestMeshes.h"

namespace {

using refhost::preview::Camera;
using refhost::preview::Image;
using refhost::preview::View;

// Where the marked front half of a head lands in a picture of it.
struct FrontSeen {
  long front = 0;  // pixels of the front half (yellow) and of the back (violet)
  long back = 0;
  double frontRight = 0;  // how far the front's middle lies right of and below the
  double frontDown = 0;   // middle of the whole head, in pixels
};

FrontSeen Look(View view) {
  const refhost::preview::PreviewMesh head = preview_test::MarkedHead();
  const int side = 200;
  Image image(side, side, {255, 255, 255});
  const Camera camera(view, refhost::preview::BoundsOf(head.positions), float(side), float(side));
  refhost::preview::PanelPainter(image, {0, 0, side, side}, camera, head,
                                 refhost::preview::Shading::Smooth)
      .Paint();
  FrontSeen seen;
  double allX = 0, allY = 0, frontX = 0, frontY = 0;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const auto pixel = image.At(x, y);
      if (pixel.r == 255 && pixel.g == 255 && pixel.b == 255) continue;
      allX += x;
      allY += y;
      if (pixel.r > pixel.b) {
        ++seen.front;
        frontX += x;
        frontY += y;
      } else {
        ++seen.back;
      }
    }
  }
  const double all = double(seen.front + seen.back);
  if (seen.front > 0) {
    seen.frontRight = frontX / double(seen.front) - allX / all;
    seen.frontDown = frontY / double(seen.front) - allY / all;
  }
  return seen;
}

struct ViewCase {
  View view;
  const char* what;
  double leastFrontShare;
  double mostFrontShare;
  int frontRight;  // -1: left of the middle, 1: right, 0: either
  int frontDown;   // -1: above, 1: below, 0: either
};

// A model faces +Z with +Y up; each view must show its front where the
// view's name says, as the viewer stands to the right of and above it.
TEST(CameraTest, EachViewShowsTheFrontWhereItsNameSays) {
  const ViewCase cases[] = {
      {View::NearFront, "the default view, a little right and above", 0.75, 0.99, -1, 1},
      {View::Front, "front", 1, 1, 0, 0},
      {View::Back, "back", 0, 0, 0, 0},
      {View::Side, "side, from the right", 0.3, 0.7, -1, 0},
      {View::Top, "top, the front at the bottom", 0.3, 0.7, 0, 1},
      {View::ThreeQuarter, "three-quarter", 0.5, 0.9, -1, 1},
  };
  for (const ViewCase& c : cases) {
    const FrontSeen seen = Look(c.view);
    ASSERT_GT(seen.front + seen.back, 1000) << c.what << ": the head must fill the panel";
    const double share = double(seen.front) / double(seen.front + seen.back);
    EXPECT_GE(share, c.leastFrontShare) << c.what << ": too little of the front is shown";
    EXPECT_LE(share, c.mostFrontShare) << c.what << ": too much of the front is shown";
    EXPECT_TRUE(c.frontRight == 0 || seen.frontRight * c.frontRight > 1)
        << c.what << ": the front is on the wrong side, " << seen.frontRight << " px right";
    EXPECT_TRUE(c.frontDown == 0 || seen.frontDown * c.frontDown > 1)
        << c.what << ": the front is at the wrong height, " << seen.frontDown << " px down";
  }
}

}  // namespace
