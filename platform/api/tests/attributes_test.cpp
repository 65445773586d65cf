// String attributes through the C interface: assign, read as any type or string, missing
// attributes, occurrences against their prototypes, find, delete, cycle.
#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_obj.h>

#include "tests/support/api_fixture.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

int Assign(tag_t object, const std::string& title, const std::string& text) {
  UF_ATTR_value_t value;
  value.type = UF_ATTR_string;
  value.value.string = const_cast<char*>(text.c_str());
  return UF_ATTR_assign(object, title.c_str(), value);
}

// Reads with type 6 as the add-on does; "<none>" when the host finds nothing.
std::string ReadAny(tag_t object, const std::string& title) {
  UF_ATTR_value_t value;
  value.type = -1;
  value.value.string = nullptr;
  EXPECT_EQ(UF_ATTR_read_value(object, title.c_str(), UF_ATTR_any, &value), 0);
  if (value.type == 0) {
    EXPECT_EQ(value.value.string, nullptr);
    return "<none>";
  }
  EXPECT_EQ(value.type, UF_ATTR_string);
  std::string text = value.value.string;
  UF_free(value.value.string);
  return text;
}

tag_t PlateUnderSub(const ThreeLevels& t) {
  for (tag_t o = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), UF_solid_type, NULL_TAG); o != NULL_TAG;
       o = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), UF_solid_type, o))
    if (UF_ASSEM_ask_prototype_of_occ(o) == t.plate->GetTag()) return o;
  return NULL_TAG;
}

}  // namespace

class AttributeCalls : public ApiTest {};

TEST_F(AttributeCalls, AssignedStringReadsBackAsAnyTypeOrIntoACallerBuffer) {
  auto t = MakeThreeLevels();
  const std::string name = Gbk("底板"), material = "Q235";
  ASSERT_EQ(Assign(t.frame->GetTag(), "DB_PART_NAME", name), 0);
  ASSERT_EQ(Assign(t.frame->GetTag(), "MATERIALS", material), 0);
  EXPECT_EQ(ReadAny(t.frame->GetTag(), "DB_PART_NAME"), name);

  char buffer[UF_ATTR_MAX_STRING_BUFSIZE];
  UF_ATTR_value_t value;
  value.value.string = buffer;
  ASSERT_EQ(UF_ATTR_read_value(t.frame->GetTag(), "MATERIALS", UF_ATTR_string, &value), 0);
  EXPECT_EQ(value.type, UF_ATTR_string);
  EXPECT_EQ(value.value.string, buffer) << "a caller's buffer is filled, not replaced";
  EXPECT_STREQ(buffer, "Q235");

  // Assigning again replaces the value; titles are case-sensitive.
  ASSERT_EQ(Assign(t.frame->GetTag(), "MATERIALS", "Q345"), 0);
  EXPECT_EQ(ReadAny(t.frame->GetTag(), "MATERIALS"), "Q345");
  EXPECT_EQ(ReadAny(t.frame->GetTag(), "materials"), "<none>");
  EXPECT_TRUE(t.root->modified);
}

TEST_F(AttributeCalls, MissingAttributeReadsAsNoValueAndSucceeds) {
  auto t = MakeThreeLevels();
  EXPECT_EQ(ReadAny(t.frame->GetTag(), "DB_PART_NO"), "<none>");
  int titleType = -1;
  ASSERT_EQ(UF_ATTR_find_attribute(t.frame->GetTag(), UF_ATTR_any, "DB_PART_NO", &titleType), 0);
  EXPECT_EQ(titleType, 0);
  // Only strings are stored: asking for an integer finds nothing.
  Assign(t.frame->GetTag(), "DATE", "1x2x3");
  UF_ATTR_value_t value;
  ASSERT_EQ(UF_ATTR_read_value(t.frame->GetTag(), "DATE", UF_ATTR_integer, &value), 0);
  EXPECT_EQ(value.type, 0);
}

TEST_F(AttributeCalls, OccurrenceShowsItsPrototypesValueUntilItHasItsOwn) {
  auto t = MakeThreeLevels();
  const tag_t occ = PlateUnderSub(t);
  ASSERT_NE(occ, NULL_TAG);
  Assign(t.plate->GetTag(), "DB_PART_NO", "A-1");
  EXPECT_EQ(ReadAny(occ, "DB_PART_NO"), "A-1");

  Assign(occ, "DB_PART_NO", "A-2");
  EXPECT_EQ(ReadAny(occ, "DB_PART_NO"), "A-2");
  EXPECT_EQ(ReadAny(t.plate->GetTag(), "DB_PART_NO"), "A-1") << "the prototype keeps its value";
  int titleType = 0;
  UF_ATTR_find_attribute(occ, UF_ATTR_string, "DB_PART_NO", &titleType);
  EXPECT_EQ(titleType, UF_ATTR_string);

  // Deleting the occurrence's own attributes shows the prototype's again; deleting the
  // prototype's leaves nothing.
  ASSERT_EQ(UF_ATTR_delete_all(occ, UF_ATTR_any), 0);
  EXPECT_EQ(ReadAny(occ, "DB_PART_NO"), "A-1");
  ASSERT_EQ(UF_ATTR_delete_all(t.plate->GetTag(), UF_ATTR_any), 0);
  EXPECT_EQ(ReadAny(occ, "DB_PART_NO"), "<none>");
}

TEST_F(AttributeCalls, PartsCarryAttributesAndDeleteRemovesOneTitle) {
  auto t = MakeThreeLevels();
  Assign(t.root->GetTag(), "DB_PART_NO", "P-100");
  Assign(t.root->GetTag(), "DB_PART_NAME", Gbk("机架"));
  EXPECT_EQ(ReadAny(t.root->GetTag(), "DB_PART_NO"), "P-100");
  ASSERT_EQ(UF_ATTR_delete(t.root->GetTag(), UF_ATTR_any, "DB_PART_NO"), 0);
  EXPECT_EQ(ReadAny(t.root->GetTag(), "DB_PART_NO"), "<none>");
  EXPECT_EQ(ReadAny(t.root->GetTag(), "DB_PART_NAME"), Gbk("机架"));
}

TEST_F(AttributeCalls, CycleAndCountShowOwnThenInheritedAttributesInAssignmentOrder) {
  auto t = MakeThreeLevels();
  const tag_t occ = PlateUnderSub(t);
  Assign(t.plate->GetTag(), "A", "1");
  Assign(t.plate->GetTag(), "B", "2");
  Assign(occ, "B", "own");
  int count = 0;
  ASSERT_EQ(UF_ATTR_count_attributes(occ, UF_ATTR_any, &count), 0);
  EXPECT_EQ(count, 2);
  std::vector<std::pair<std::string, std::string>> seen;
  int index = 0;
  char title[UF_ATTR_MAX_TITLE_BUFSIZE];
  UF_ATTR_value_t value;
  do {
    ASSERT_EQ(UF_ATTR_cycle(occ, &index, UF_ATTR_any, title, &value), 0);
    if (index) {
      seen.emplace_back(title, value.value.string);
      UF_free(value.value.string);
    }
  } while (index);
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{{"B", "own"}, {"A", "1"}}));
}

TEST_F(AttributeCalls, BadCallsFailWithACodeAndChangeNothing) {
  auto t = MakeThreeLevels();
  UF_ATTR_value_t integer;
  integer.type = UF_ATTR_integer;
  integer.value.integer = 5;
  EXPECT_NE(UF_ATTR_assign(t.frame->GetTag(), "COUNT", integer), 0) << "only strings are stored";
  EXPECT_NE(Assign(t.frame->GetTag(), "", "x"), 0) << "an empty title";
  EXPECT_NE(Assign(t.frame->GetTag(), std::string(UF_ATTR_MAX_TITLE_LEN + 1, 'T'), "x"), 0);
  EXPECT_TRUE(t.frame->attributes.Empty());

  const tag_t dead = t.frame->GetTag();
  Session::Get().Delete(dead);
  EXPECT_NE(Assign(dead, "DB_PART_NO", "1"), 0);
  UF_ATTR_value_t value;
  EXPECT_NE(UF_ATTR_read_value(dead, "DB_PART_NO", UF_ATTR_any, &value), 0);
  EXPECT_NE(UF_ATTR_delete_all(dead, UF_ATTR_any), 0);
}
