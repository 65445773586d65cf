# The peer measurement beside step_import_bench: FreeCAD reading a STEP file, run headless
# with `FABDOC_PEER_STEP=FILE freecadcmd bench/peer_step_import.py` (keep the frame's file
# with FABDOC_BENCH_KEEP=FILE build/bin/step_import_bench). Its Import.insert crashes
# headless, so Part.read, which reads and transfers the file into one shape, is the
# comparison. Prints wall and processor seconds of each of three reads, and their solids.
import os
import time

import Part

PATH = os.environ["FABDOC_PEER_STEP"]
for run in range(int(os.environ.get("FABDOC_PEER_RUNS", "3"))):
    wall, cpu = time.time(), time.process_time()
    shape = Part.read(PATH)
    print(f"Part.read {os.path.basename(PATH)}: wall {time.time() - wall:.3f} s, "
          f"processor {time.process_time() - cpu:.3f} s, {len(shape.Solids)} solids", flush=True)
