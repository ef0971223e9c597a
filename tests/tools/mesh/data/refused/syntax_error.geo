// A model velda-mesh refuses; each "refused:" line is a part of its message,
// in order. A script Gmsh cannot read.
// refused: Gmsh refused the model
// refused: syntax error
Point(1) = {0, 0;
