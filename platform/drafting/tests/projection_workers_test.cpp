// Views projected by worker processes: the curves handed back are those this process
// would have drawn, bit for bit; a job a worker cannot do and a worker that dies come
// back as failures, never as empty views, and a sheet updated meanwhile still gets
// every view drawn.
#include <signal.h>

#include <gtest/gtest.h>

#include "platform/assemblies/located_shape.h"
#include "platform/drafting/content_stream.h"
#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/model_views.h"
#include "platform/drafting/projection_workers.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/files/sheet_template.h"
#include "platform/geometry/body.h"

using namespace platform;
using namespace platform::drafting;

namespace {

// Byte for byte, through the stream: every coordinate identical, curves in one order.
std::string Bytes(const ViewContent& content) {
  StreamWriter out;
  WriteContent(out, content);
  return out.Take();
}

ProjectionJob JobFor(const Body& body, const char* viewName, double scale) {
  ProjectionJob job;
  job.bodies.push_back({body.GetTag(), body.Revision(), Transform::Translation(10, -20, 5)});
  const ModelView& view = StandardModelView(viewName);
  const gp_Dir y = view.ScreenY();
  job.orientation = {view.screenX.X(), view.screenX.Y(), view.screenX.Z(), y.X(), y.Y(), y.Z(),
                     view.towardsViewer.X(), view.towardsViewer.Y(), view.towardsViewer.Z()};
  job.scale = scale;
  return job;
}

ViewContent ProjectedHere(const Body& body, const char* viewName, double scale) {
  const ModelView& view = StandardModelView(viewName);
  const ModelView direction{"", view.towardsViewer, view.screenX};
  HiddenLineProjection projection({{body.Shape(), ToTrsf(Transform::Translation(10, -20, 5))}}, direction,
                                  scale, HlrMethod::Exact);
  EXPECT_TRUE(projection.Perform()) << projection.Failure();
  return projection.Content();
}

class ProjectionWorkersTest : public fabdoc_test::DraftingTest {
protected:
  Part& model = session().NewPart("\\p\\pipe.prt");
};

}  // namespace

TEST_F(ProjectionWorkersTest, WorkersDrawWhatThisProcessDrawsBitForBit) {
  Body& pipe = fabdoc_test::AddPipe(model, 60, 4, 300);
  Body& box = fabdoc_test::AddBox(model, 40, -50, 0, 30, 100, 12);
  ProjectionWorkers workers(2);
  std::vector<std::pair<std::uint64_t, ViewContent>> asked;
  for (const Body* body : {&pipe, &box})
    for (const char* view : {"Front", "Top", "Left", "Isometric"})
      asked.emplace_back(workers.Submit(JobFor(*body, view, 0.4)), ProjectedHere(*body, view, 0.4));
  // Waited for out of order: answers are matched to their jobs, not to their turn.
  for (auto it = asked.rbegin(); it != asked.rend(); ++it) {
    ASSERT_NE(it->first, 0u);
    const ProjectionOutcome outcome = workers.Wait(it->first);
    ASSERT_TRUE(outcome.content) << outcome.failure;
    EXPECT_FALSE(outcome.content->visible.empty());
    EXPECT_EQ(Bytes(*outcome.content), Bytes(it->second));
  }
}

TEST_F(ProjectionWorkersTest, ABodyChangedAfterTheForkOrADeadWorkerIsAFailureNotAnEmptyView) {
  Body& pipe = fabdoc_test::AddPipe(model, 60, 4, 300);
  ProjectionWorkers workers(1);
  const ProjectionOutcome first = workers.Wait(workers.Submit(JobFor(pipe, "Front", 1)));
  ASSERT_TRUE(first.content) << first.failure;

  Body& later = fabdoc_test::AddBox(model, 0, 0, 0, 10, 10, 10);  // made after the workers
  ProjectionOutcome unknown = workers.Wait(workers.Submit(JobFor(later, "Front", 1)));
  EXPECT_FALSE(unknown.content);
  EXPECT_NE(unknown.failure.find("after the worker started"), std::string::npos) << unknown.failure;

  pipe.SetShape(later.Shape());  // a new revision of a body the worker knows
  ProjectionOutcome changed = workers.Wait(workers.Submit(JobFor(pipe, "Front", 1)));
  EXPECT_FALSE(changed.content);

  ASSERT_EQ(workers.WorkerPids().size(), 1u);
  ASSERT_EQ(kill(workers.WorkerPids().front(), SIGKILL), 0);
  const std::uint64_t ticket = workers.Submit(JobFor(later, "Top", 1));
  const ProjectionOutcome lost = workers.Wait(ticket);  // returns: the death is noticed
  EXPECT_FALSE(lost.content);
  EXPECT_EQ(workers.Submit(JobFor(later, "Top", 1)), 0u) << "no worker left to take a job";
}

TEST_F(ProjectionWorkersTest, ASheetUpdatedThroughWorkersDrawsWhatItDrawsWithout) {
  fabdoc_test::AddPipe(model, 60, 4, 300);
  fabdoc_test::AddBox(model, 40, -50, 0, 30, 100, 12);
  Part& drawing = session().NewPart("\\p\\drawing.prt");
  auto sheetOf = [&](const std::string& name) -> DrawingSheet& {
    DrawingSheet& sheet = AddSheetFromTemplate(drawing, SheetTemplate("A4_nj.prt"), name);
    AddBaseView(sheet, model, "Front", 0.5, {80, 200});
    AddBaseView(sheet, model, "Top", 0.5, {80, 100});
    AddBaseView(sheet, model, "Isometric", 0.5, {160, 150});
    return sheet;
  };
  DrawingSheet& alone = sheetOf("ALONE");
  UpdateOutOfDateViews(alone);

  DrawingSheet& aside = sheetOf("ASIDE");
  DrawingSheet& orphan = sheetOf("ORPHAN");
  {
    WorkerProjections projections(2);
    UpdateOutOfDateViews(aside);
    UpdateOutOfDateViews(orphan);
    // A scale changed while the worker projects is not lost when its answer is stored.
    SetViewScale(*ViewsOf(aside).back(), 0.25);
    EXPECT_TRUE(IsOutOfDate(*ViewsOf(aside).back()));
    UpdateOutOfDateViews(aside);
    SetViewScale(*ViewsOf(aside).back(), 0.5);
    UpdateOutOfDateViews(aside);
    projections.Finish();
  }
  for (DrawingSheet* sheet : {&aside, &orphan}) {
    const auto views = ViewsOf(*sheet), expected = ViewsOf(alone);
    ASSERT_EQ(views.size(), expected.size());
    for (size_t i = 0; i < views.size(); ++i) {
      EXPECT_FALSE(IsOutOfDate(*views[i])) << sheet->name << " view " << i;
      ASSERT_TRUE(views[i]->content);
      // The isometric view of ASIDE was reduced, then enlarged again: projected afresh.
      EXPECT_EQ(Bytes(*views[i]->content), Bytes(*expected[i]->content)) << sheet->name << " view " << i;
    }
  }
}

TEST_F(ProjectionWorkersTest, ViewsAreDrawnWhenTheirWorkersDie) {
  fabdoc_test::AddPipe(model, 60, 4, 300);
  Part& drawing = session().NewPart("\\p\\drawing.prt");
  DrawingSheet& sheet = AddSheetFromTemplate(drawing, SheetTemplate("A4_nj.prt"), "S");
  for (const char* view : {"Front", "Top", "Left", "Isometric"}) AddBaseView(sheet, model, view, 0.5, {100, 150});
  {
    WorkerProjections projections(1);
    UpdateOutOfDateViews(sheet);
    for (int pid : projections.WorkerPids()) kill(pid, SIGKILL);
    projections.Finish();  // the views the dead worker did not send back are projected here
  }
  for (DraftingView* view : ViewsOf(sheet)) {
    EXPECT_FALSE(IsOutOfDate(*view)) << view->name;
    ASSERT_TRUE(view->content);
    EXPECT_FALSE(view->content->visible.empty()) << view->name;
  }
}
