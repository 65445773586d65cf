// How host calls fail: a status code, an empty output, and a message that
// UF_get_fail_message gives back naming what failed.
#include <uf.h>
#include <uf_cfi.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_part.h>

#include "platform/api/guard.h"
#include "tests/support/api_fixture.h"
#include "platform/text/gbk.h"

#include <cstdlib>
#include <cstring>

using namespace platform;
using namespace fabdoc_test;

class Failures : public ApiTest {};

TEST_F(Failures, DeadTagsFailWithACodeAndAMessageNamingTheTag) {
  auto t = MakeThreeLevels();
  const tag_t dead = t.frame->GetTag();
  ASSERT_EQ(UF_OBJ_delete_object(dead), 0);
  EXPECT_EQ(UF_OBJ_ask_status(dead), UF_OBJ_DELETED);
  EXPECT_EQ(UF_OBJ_delete_object(dead), static_cast<int>(HostStatus::InvalidTag));

  char name[UF_OBJ_NAME_BUFSIZE] = "stale";
  const int code = UF_OBJ_ask_name(dead, name);
  EXPECT_EQ(code, static_cast<int>(HostStatus::InvalidTag));
  EXPECT_STREQ(name, "") << "outputs are emptied";
  char message[UF_UI_MAX_STRING_LEN + 1];
  ASSERT_EQ(UF_get_fail_message(code, message), 0);
  EXPECT_NE(std::string(message).find(std::to_string(dead)), std::string::npos) << message;

  int type = 1, subtype = 1;
  EXPECT_NE(UF_OBJ_ask_type_and_subtype(dead, &type, &subtype), 0);
  EXPECT_EQ(type, 0);
  double box[6];
  EXPECT_NE(UF_MODL_ask_bounding_box(dead, box), 0);
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(dead), NULL_TAG);
  EXPECT_FALSE(UF_ASSEM_is_occurrence(dead));
  EXPECT_EQ(UF_OBJ_cycle_objs_in_part(dead, UF_solid_type, NULL_TAG), NULL_TAG);
  EXPECT_EQ(api::LastFailure().function, "UF_OBJ_cycle_objs_in_part");
}

TEST_F(Failures, MessagesFitTheHostsBufferAndOtherCodesGetTheirGenericText) {
  // A path on a drive that is not mapped makes a long message holding Chinese text; the
  // caller's 133 bytes are never overrun and the text is cut between characters.
  unsetenv("FABDOC_DRIVE_Q");
  std::string path = "Q:\\";
  for (int i = 0; i < 40; ++i) path += Gbk("钢板") + "\\";
  int status = 0;
  const int code = UF_CFI_ask_file_exist(path.c_str(), &status);
  ASSERT_NE(code, 0);
  EXPECT_EQ(status, 1);
  char message[UF_UI_MAX_STRING_LEN + 1 + 8];
  std::memset(message, 'X', sizeof message);
  ASSERT_EQ(UF_get_fail_message(code, message), 0);
  EXPECT_GE(std::strlen(message), static_cast<size_t>(UF_UI_MAX_STRING_LEN) - 1);
  EXPECT_LE(std::strlen(message), static_cast<size_t>(UF_UI_MAX_STRING_LEN));
  EXPECT_EQ(message[UF_UI_MAX_STRING_LEN + 1], 'X');
  EXPECT_NO_THROW(text::ToUtf8(message));
  EXPECT_NE(api::LastFailure().text.find("FABDOC_DRIVE_Q"), std::string::npos) << "the full text is kept";

  UF_get_fail_message(static_cast<int>(HostStatus::NoWorkPart), message);
  EXPECT_STREQ(message, "There is no work part");
  UF_get_fail_message(0, message);
  EXPECT_STREQ(message, "No error");
}

TEST_F(Failures, CallsThatNeedAWorkPartFailWithoutOne) {
  EXPECT_EQ(UF_PART_ask_display_part(), NULL_TAG);
  EXPECT_EQ(UF_ASSEM_ask_work_part(), NULL_TAG);
  double origin[3] = {0, 0, 0}, direction[3] = {0, 0, 1};
  tag_t feature = NULL_TAG;
  EXPECT_EQ(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "10", "10", direction, &feature),
            static_cast<int>(HostStatus::NoWorkPart));
  EXPECT_NE(UF_PART_save(), 0);
}

TEST_F(Failures, NullOutputPointersAreRefusedNotDereferenced) {
  auto t = MakeThreeLevels();
  EXPECT_NE(UF_OBJ_ask_type_and_subtype(t.frame->GetTag(), nullptr, nullptr), 0);
  EXPECT_NE(UF_MODL_ask_bounding_box(t.frame->GetTag(), nullptr), 0);
  EXPECT_NE(UF_ATTR_read_value(t.frame->GetTag(), "A", UF_ATTR_any, nullptr), 0);
  EXPECT_NE(UF_ATTR_read_value(t.frame->GetTag(), nullptr, UF_ATTR_any, nullptr), 0);
}
