#!/usr/bin/env python3
"""The layer check on small source trees built here: each way up is caught, a clean tree passes."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_includes  # noqa: E402

CLEAN_LINKS = "data\tzv_data\tPkgConfig::LHASA\npredict\tzv_predict\tzv_data\nui\tzv_ui\tzv_predict;Qt6::Widgets\n"


class LayerCheck(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.src = pathlib.Path(self.folder.name)
        self.write("data/store.h", '#include <vector>\n#include "data/records.h"\n#include "records.h"\n')
        self.write("data/archive/intake.cpp", '#include "../store.h"\n#include "data/error.h"\n')
        self.write("predict/ratings.h", '#include "data/store.h"\n')
        self.write("ui/grid.cpp", '#include "predict/ratings.h"\n#include "data/store.h"\n#include <QWidget>\n')

    def tearDown(self):
        self.folder.cleanup()

    def write(self, name, text):
        path = self.src / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")

    def test_a_tree_that_keeps_to_its_layers_passes(self):
        self.assertEqual(check_includes.faults(self.src, CLEAN_LINKS), [])

    def test_an_include_of_a_library_above_is_named_with_its_file(self):
        self.write("data/titles.cpp", '#include "data/store.h"\n  #  include "predict/ratings.h"\n')
        self.assertEqual(check_includes.faults(self.src), ["data/titles.cpp includes predict/ (above data)"])

    def test_an_include_of_a_library_beside_is_a_fault_too(self):
        self.write("export/kmi.h", '#include "report/tally.h"\n')
        self.assertEqual(check_includes.faults(self.src), ["export/kmi.h includes report/ (above export)"])

    def test_a_relative_include_that_leaves_the_library_is_a_fault(self):
        self.write("data/archive/staging.h", '#include "../../predict/ratings.h"\n')
        self.assertEqual(check_includes.faults(self.src),
                         ["data/archive/staging.h includes ../../predict/ratings.h (outside data/)"])

    def test_a_link_to_a_library_above_is_a_fault(self):
        links = CLEAN_LINKS + "settings\tzv_settings\tzv_ui\n"
        self.assertEqual(check_includes.faults(self.src, links), ["zv_settings links zv_ui (above settings)"])

    def test_a_core_library_linking_qt_is_a_fault(self):
        links = CLEAN_LINKS.replace("zv_predict\tzv_data", "zv_predict\tzv_data;Qt6::Core")
        self.assertEqual(check_includes.faults(self.src, links), ["zv_predict links Qt6::Core (predict holds no Qt)"])

    def test_a_folder_missing_from_the_layer_table_is_a_fault(self):
        self.write("plugins/plugin.h", "\n")
        self.assertEqual(check_includes.faults(self.src), ["libraries missing from the layer table: plugins"])


if __name__ == "__main__":
    unittest.main()
