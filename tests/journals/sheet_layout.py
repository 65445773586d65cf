# The views of every sheet in `fabdoc info --json` lie inside the frame (25 mm binding
# margin on the left, 5 mm elsewhere), off the title block, and sit as the layout rule places them: the front view a gap in from the left, the view right of it a gap further and a gap from the
# sheet's right edge; the front view a gap down from 297 and the view below it a gap above
# 55. A view drawn larger or smaller than the extents it was laid out with (a model
# measured along other axes than its views show) breaks the equalities.
import json
import sys


def check(info):
    for s in info["sheets"]:
        for v in s["views"]:
            x0, y0, x1, y1 = v["box"]
            assert 25 < x0 and x1 < s["size"][0] - 5 and 5 < y0 and y1 < s["size"][1] - 5, (s["name"], v["name"], v["box"])
            # The 180 x 32 mm title block in the frame's lower right corner.
            assert x1 <= s["size"][0] - 185 or y0 >= 37, (s["name"], v["name"], v["box"], "on the title block")
        by = {v["model_view"]: v["box"] for v in s["views"]}
        front, below, right = by["Front"], by["Top"], by["Left"]
        across = [front[0], right[0] - front[2], s["size"][0] - right[2]]
        down = [297 - front[3], below[1] - 55]
        assert max(across) - min(across) < 0.01 and max(down) - min(down) < 0.01, (s["name"], across, down)
    return len(info["sheets"])


if __name__ == "__main__":
    print(check(json.load(open(sys.argv[1]))), "sheets laid out by the rule")
