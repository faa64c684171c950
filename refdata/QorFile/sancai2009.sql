CREATE TABLE sancai2009 (title TEXT PRIMARY KEY, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT, rjgx TEXT, jx3 TEXT, xg TEXT);
