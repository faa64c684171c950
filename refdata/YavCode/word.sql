CREATE TABLE word (id INTEGER, zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, xb TEXT, px INTEGER);
CREATE INDEX word_zi ON word (zi);
CREATE INDEX word_ft ON word (ft);
CREATE INDEX word_pick ON word (bh, wuhang, xb);
