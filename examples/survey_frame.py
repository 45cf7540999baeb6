#!/usr/bin/env python3
"""Writes a survey of 1000 points with the vdxml Python module, reads it back into a pandas
DataFrame and prints a summary.

    PYTHONPATH=build/bindings/python python3 examples/survey_frame.py [FILE]
"""

import math
import sys

import vdxml

path = sys.argv[1] if len(sys.argv) > 1 else "survey_frame.xml"

# A 40 x 25 grid of points 12.5 m apart near 47 N, 8 E, each with grid and WGS 84 coordinates.
LAT0, LON0, RADIUS = math.radians(47.0), math.radians(8.0), 6378137.0
with vdxml.Writer(path, company="Example Surveys Ltd", application="survey_frame.py",
                  units=vdxml.Units(Linear=1, Angular=1, TimeSystem=2)) as writer:
    project = writer.add_project(Name="Grid survey", Created=61000.25)
    for i in range(1000):
        east, north = 12.5 * (i % 40), 12.5 * (i // 40)
        height = 450.0 + 3.0 * math.sin(east / 60.0)
        point = project.add_point(Name=f"P{i + 1}", Class=8 if i == 0 else 4,
                                  Epoch=61000.5 + i / 1440.0)
        point.add_coord(
            Type=3,
            LocalEnh=vdxml.Grid(E=2600000.0 + east, N=1200000.0 + north, HO=height - 48.3,
                                Qlty=vdxml.Qlty(M0=1.0, Q11=1e-4, Q22=1e-4, Q33=4e-4)),
            Wgs84Llh=vdxml.Geodetic(Lat=LAT0 + north / RADIUS,
                                    Lon=LON0 + east / (RADIUS * math.cos(LAT0)), HE=height))

with vdxml.open(path) as reader:
    header = reader.header
print(f"{path}: {header.company} / {header.application}, version "
      f"{header.version[0]}.{header.version[1]}, created {header.created:%Y-%m-%d %H:%M}")

try:
    frame = vdxml.points_frame(path)
except ImportError as error:
    sys.exit(str(error))
frame = frame.dropna(axis="columns", how="all")
frame["wgs84_lat"] = frame["wgs84_lat"].map(math.degrees)
frame["wgs84_lon"] = frame["wgs84_lon"].map(math.degrees)
print(f"{len(frame)} points, classes {frame['class'].value_counts().to_dict()}")
print(frame[["easting", "northing", "grid_ho", "wgs84_lat", "wgs84_lon", "wgs84_he"]]
      .describe().loc[["min", "mean", "max"]].round(4).to_string())
