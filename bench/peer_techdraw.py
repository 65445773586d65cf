# The peer measurement beside drawing_production_bench: FreeCAD's TechDraw, run headless
# with `freecadcmd bench/peer_techdraw.py`, drawing the same 200 simple solids (see
# bench_solids.h): one bare page per solid with four first-angle views with hidden lines
# (front, top, left, isometric), then one page with the four views of all 200 placed as
# the product. Prints wall and processor seconds of each.
import time

import FreeCAD as App
import Part

SOLIDS = 200


def block(dx, dy, dz, x=0, y=0, z=0):
    return Part.makeBox(dx, dy, dz, App.Vector(x, y, z))


def solid(i):
    length = 300 + 7 * i
    kind = i % 5
    if kind == 0:
        return block(length, 100 + i % 7 * 10, 10)
    if kind == 1:
        plate = block(length, 120, 12)
        for x in (30.0, length - 30):
            for y in (30.0, 90.0):
                plate = plate.cut(Part.makeCylinder(9, 14, App.Vector(x, y, -1), App.Vector(0, 0, 1)))
        return plate
    if kind == 2:
        return block(60, 60, length).cut(block(50, 50, length + 2, 5, 5, -1))
    if kind == 3:
        outer = Part.makeCylinder(30, length, App.Vector(0, 0, 0), App.Vector(1, 0, 0))
        return outer.cut(Part.makeCylinder(26, length + 2, App.Vector(-1, 0, 0), App.Vector(1, 0, 0)))
    return block(length, 50, 50).cut(block(length + 2, 45, 45, -1, 5, 5))


def place(i):
    return App.Vector(1200.0 * (i % 15), 400.0 * (i // 15 % 4), 600.0 * (i // 60))


DIRECTIONS = {  # first angle: top below the front, left to its right
    "Front": (App.Vector(0, -1, 0), App.Vector(0, 0, 0)),
    "Top": (App.Vector(0, 0, 1), App.Vector(0, -150, 0)),
    "Left": (App.Vector(-1, 0, 0), App.Vector(150, 0, 0)),
    "Isometric": (App.Vector(1, -1, 1), App.Vector(150, -150, 0)),
}


TEMPLATES = App.getResourceDir() + "Mod/TechDraw/Templates/"


def bare_page(doc, name, template):
    page = doc.addObject("TechDraw::DrawPage", name)
    blank = doc.addObject("TechDraw::DrawSVGTemplate", name + "Template")
    blank.Template = TEMPLATES + template
    page.Template = blank
    return page


def add_views(doc, page, sources, scale, name):
    for view, (direction, offset) in DIRECTIONS.items():
        v = doc.addObject("TechDraw::DrawViewPart", name + view)
        page.addView(v)
        v.Source = sources
        v.Direction = direction
        v.HardHidden = True
        v.SmoothHidden = True
        v.ScaleType = "Custom"
        v.Scale = scale * (0.3 if view == "Isometric" else 1)
        v.X, v.Y = 100 + offset.x, 150 + offset.y


def timed(label, work):
    wall, cpu = time.perf_counter(), time.process_time()
    work()
    print("%s: %.2f s wall, %.2f s cpu" % (label, time.perf_counter() - wall, time.process_time() - cpu), flush=True)


def pages():
    doc = App.newDocument("pages")
    for i in range(SOLIDS):
        feature = doc.addObject("Part::Feature", "S%d" % i)
        feature.Shape = solid(i)
        page = bare_page(doc, "Page%d" % i, "A4_Landscape_blank.svg")
        add_views(doc, page, [feature], 0.2, "P%d" % i)
    timed("%d pages of four views" % SOLIDS, doc.recompute)
    drawn = sum(1 for o in doc.Objects if o.TypeId == "TechDraw::DrawViewPart" and o.getVisibleEdges())
    print("views with visible edges: %d of %d" % (drawn, 4 * SOLIDS), flush=True)


def general_arrangement():
    doc = App.newDocument("ga")
    features = []
    for i in range(SOLIDS):
        feature = doc.addObject("Part::Feature", "S%d" % i)
        shape = solid(i)
        shape.translate(place(i))
        feature.Shape = shape
        features.append(feature)
    page = bare_page(doc, "Page", "A3_Landscape_blank.svg")
    add_views(doc, page, features, 0.02, "GA")
    timed("general arrangement, four views of %d solids" % SOLIDS, doc.recompute)


pages()
general_arrangement()
