"""Reads a VTK collection with VTK's own XML readers and prints what they
found, one line per array: BLOCK KIND NAME COMPONENTS VALUES..., KIND being
point or cell. Image data adds a line BLOCK grid NX NY OX OY STEP, and the
points VTK blanks show as the array BLOCK point hidden 1 FLAGS...; polydata
adds BLOCK points X Y Z ... and BLOCK lines CELLS. Usage: read_vtk.py FILE.vtm
"""
import sys

from vtkmodules.vtkCommonDataModel import vtkDataSetAttributes
from vtkmodules.vtkIOXML import vtkXMLMultiBlockDataReader


def values(array):
    n, c = array.GetNumberOfTuples(), array.GetNumberOfComponents()
    return [array.GetComponent(i, k) for i in range(n) for k in range(c)]


def show(name, kind, data):
    for i in range(data.GetNumberOfArrays()):
        a = data.GetArray(i)
        print(name, kind, a.GetName(), a.GetNumberOfComponents(),
              " ".join(repr(v) for v in values(a)))


def main():
    reader = vtkXMLMultiBlockDataReader()
    reader.SetFileName(sys.argv[1])
    reader.Update()
    blocks = reader.GetOutput()
    if reader.GetErrorCode() != 0 or blocks.GetNumberOfBlocks() == 0:
        sys.exit("cannot read " + sys.argv[1])
    for b in range(blocks.GetNumberOfBlocks()):
        name = blocks.GetMetaData(b).Get(blocks.NAME()).replace(" ", "_")
        data = blocks.GetBlock(b)
        if data is None:
            sys.exit("block " + name + " is empty")
        if data.IsA("vtkImageData"):
            nx, ny, _ = data.GetDimensions()
            ox, oy, _ = data.GetOrigin()
            print(name, "grid", nx, ny, repr(ox), repr(oy), repr(data.GetSpacing()[0]))
            hidden = [0 if data.IsPointVisible(i) else 1 for i in range(data.GetNumberOfPoints())]
            print(name, "point", "hidden", 1, " ".join(str(h) for h in hidden))
        else:
            points = data.GetPoints().GetData()
            print(name, "points", 3, " ".join(repr(v) for v in values(points)))
            print(name, "lines", 1, data.GetNumberOfLines())
        show(name, "point", data.GetPointData())
        show(name, "cell", data.GetCellData())


if __name__ == "__main__":
    main()
